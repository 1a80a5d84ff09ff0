#include "dialogs/CVoxCfgProjNewDlg.h"

#include <optional>

#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectManager.h"
#include "dialogs/NewProjectFile.h"
#include "dialogs/NewProjectPath.h"
#include "dialogs/PageTexts.h"
#include "host/HcHostServices.h"
#include "host/HcInteraction.h"
#include "host/HcSettingsStore.h"
#include "host/LispCoreDescriptionCalls.h"
#include "host/LispCoreFunctions.h"
#include "host/ResourceText.h"
#include "platform/os/Files.h"
#include "platform/os/Trim.h"
#include "platform/os/WinPath.h"

namespace vox::dialogs {
namespace {

enum : unsigned {
  kMsgFileExists = 630,      // %s: the full path
  kMsgInvalidPath = 631,     // %s: the location as typed
  kMsgUnusableName = 632,    // %s: the name as typed
  kMsgNoSettingsFile = 633,  // %s: the settings source
  kFolderChooserTitle = 634,
  kSettingsChooserTitle = 635,
  kProjectFilter = 636,
};

constexpr const wchar_t* kSettingsValue = L"SettingsFile";
constexpr const wchar_t* kHelpFile = L"VoxFolio";
constexpr const wchar_t* kHelpTopic = L"create_new_project_dialog";

bool s_createFolder = true;

std::wstring text(const std::wstring& key) { return pageText(L"newproj-" + key); }

std::wstring activeProjectPath() {
  const VoxPrmProject* active = GetActiveProject();
  return active != nullptr ? active->getProjectID() : std::wstring();
}

std::wstring initialSettingsFile() {
  if (const HcSettingsStore* store = hcSettingsStore())
    if (std::optional<std::wstring> stored = store->getString(CVoxCfgProjNewDlg::settingsKey(), kSettingsValue))
      return *stored;
  return activeProjectPath();
}

HcDialogField field(const wchar_t* id, HcFieldKind kind, std::wstring value, bool enabled) {
  HcDialogField out;
  out.id = id;
  out.kind = kind;
  out.label = text(L"field-" + out.id);
  out.value = std::move(value);
  out.enabled = enabled;
  return out;
}

std::wstring joinedLines(const std::vector<std::wstring>& lines) {
  std::wstring out;
  for (const std::wstring& line : lines) out += (out.empty() ? L"" : L"\n") + line;
  return out;
}

// A full path that needs no qualifying: absolute, short enough, and the same once made full.
bool isQualifiedPath(const std::wstring& path) {
  return !path.empty() && !os::isRelative(path) && os::fitsMaxPath(path) && os::samePath(os::fullPath(path), path);
}

}  // namespace

std::wstring CVoxCfgProjNewDlg::settingsKey() { return hcrxProductKey() + L"\\Settings\\ProjNewDlg"; }
bool CVoxCfgProjNewDlg::createFolderChoice() { return s_createFolder; }
void CVoxCfgProjNewDlg::setCreateFolderChoice(bool createFolder) { s_createFolder = createFolder; }

CVoxCfgProjNewDlg::CVoxCfgProjNewDlg()
    : m_defaultLocation(os::toBackslashes(host::lispcore::environmentValue(L"WD_PROJ").value_or(std::wstring()))),
      m_settingsFile(initialSettingsFile()) {
  m_location = m_defaultLocation;
  compose();
}

std::wstring CVoxCfgProjNewDlg::title() const { return text(L"title"); }

bool CVoxCfgProjNewDlg::hasName() const { return !os::trimmed(m_name).empty(); }

void CVoxCfgProjNewDlg::compose() {
  // A path too long to join keeps the one shown before.
  if (std::optional<std::wstring> path = composeNewProjectPath({m_name, m_location, m_defaultLocation, s_createFolder}))
    m_fullPath = std::move(*path);
}

std::vector<HcDialogField> CVoxCfgProjNewDlg::fields() const {
  const bool on = !m_busy;
  HcDialogField location = field(L"location", HcFieldKind::kPath, m_location, on);
  location.tooltip = m_location;
  HcDialogField settings = field(L"settings-file", HcFieldKind::kPath, m_settingsFile, on);
  settings.tooltip = m_settingsFile;
  HcDialogField path = field(L"full-path", HcFieldKind::kPathLabel, m_fullPath, on);
  path.tooltip = m_fullPath;
  return {field(L"name", HcFieldKind::kText, m_name, on),
          location,
          field(L"create-folder", HcFieldKind::kCheck, s_createFolder ? L"1" : L"0", on),
          settings,
          field(L"description-lines", HcFieldKind::kLabel, joinedLines(m_descriptions), on),
          path};
}

bool CVoxCfgProjNewDlg::setField(const std::wstring& id, const std::wstring& value) {
  if (m_busy) return false;
  if (id == L"name") {
    m_name = value;
  } else if (id == L"location") {
    m_location = value;
  } else if (id == L"create-folder" && (value == L"1" || value == L"0")) {
    s_createFolder = value == L"1";
  } else if (id == L"settings-file") {
    m_settingsFile = value;
    return true;
  } else {
    return false;
  }
  compose();
  return true;
}

bool CVoxCfgProjNewDlg::browse(const std::wstring& id) {
  HcInteraction* interaction = hcInteraction();
  if (m_busy || (id != L"location" && id != L"settings-file")) return false;
  if (interaction == nullptr) return true;
  if (id == L"location") {
    if (std::optional<std::wstring> folder = interaction->chooseFolder(host::resourceText(kFolderChooserTitle), m_location))
      setField(id, os::toBackslashes(*folder));
  } else if (std::optional<std::wstring> file = interaction->chooseFile(
                 host::resourceText(kSettingsChooserTitle), m_settingsFile, host::resourceText(kProjectFilter), false)) {
    setField(id, os::toBackslashes(*file));
  }
  return true;
}

std::vector<HcDialogButton> CVoxCfgProjNewDlg::buttons() const {
  const bool on = !m_busy;
  return {{L"ok", text(L"button-ok"), on && hasName(), true},
          {L"ok-properties", text(L"button-ok-properties"), on && hasName(), false},
          {L"cancel", text(L"button-cancel"), on, false},
          {L"help", text(L"button-help"), on, false},
          {L"descriptions", text(L"button-descriptions"), on, false}};
}

HcDialogOutcome CVoxCfgProjNewDlg::press(const std::wstring& buttonId) {
  if (m_busy) return HcDialogOutcome::stay();
  if (buttonId == L"ok") return accept(false);
  if (buttonId == L"ok-properties") return accept(true);
  if (buttonId == L"cancel") return HcDialogOutcome::close(kHcDialogCancel);
  if (buttonId == L"help") hcedHelp(kHelpFile, kHelpTopic, 0);
  if (buttonId == L"descriptions") return editDescriptions();
  return HcDialogOutcome::stay();
}

HcDialogOutcome CVoxCfgProjNewDlg::accept(bool propertiesAfter) {
  if (!hasName()) return HcDialogOutcome::stay(L"name");
  compose();
  if (os::pathExists(m_fullPath))
    return HcDialogOutcome::stay(L"name", host::resourceText(kMsgFileExists, {m_fullPath}));
  if (!isUsableProjectName(m_name))
    return HcDialogOutcome::stay(L"name", host::resourceText(kMsgUnusableName, {m_name}));
  if (!isQualifiedPath(m_fullPath))
    return HcDialogOutcome::stay(L"location", host::resourceText(kMsgInvalidPath, {m_location}));
  m_settingsFile = os::trimmed(m_settingsFile);
  if (!m_settingsFile.empty() && !os::fileExists(m_settingsFile))
    return HcDialogOutcome::stay(L"settings-file", host::resourceText(kMsgNoSettingsFile, {m_settingsFile}));
  if (HcSettingsStore* store = hcSettingsStore()) store->setString(settingsKey(), kSettingsValue, m_settingsFile);
  m_propertiesAfter = propertiesAfter;
  return HcDialogOutcome::close(kHcDialogOk);
}

HcDialogOutcome CVoxCfgProjNewDlg::editDescriptions() {
  m_busy = true;
  notifyChanged();
  const std::optional<host::lispcore::DescriptionEdit> edit =
      host::lispcore::editNewProjectDescriptions(m_descriptions, m_descriptionFlags);
  m_busy = false;
  if (edit) {
    m_descriptions = edit->lines;
    m_descriptionFlags = edit->flags;
  }
  notifyChanged();
  return HcDialogOutcome::stay(L"descriptions");
}

bool CVoxCfgProjNewDlg::createProjectFile() const {
  const std::wstring source = m_settingsFile.empty() ? activeProjectPath() : m_settingsFile;
  return writeNewProjectFile(m_fullPath, newProjectData({source, m_descriptions, m_descriptionFlags}));
}

}  // namespace vox::dialogs
