#include "dialogs/CVoxCfgDrawingNewDlg.h"

#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectManager.h"
#include "dialogs/NewDrawingLists.h"
#include "dialogs/NewDrawingPath.h"
#include "dialogs/NewDrawingTexts.h"
#include "dialogs/PageTexts.h"
#include "host/HcHostServices.h"
#include "host/HcMessageCatalog.h"
#include "host/HcSettingsStore.h"
#include "host/HcUiHost.h"
#include "host/ResourceText.h"
#include "platform/os/Files.h"
#include "platform/os/Trim.h"
#include "platform/os/WinPath.h"

namespace vox::dialogs {
namespace {

constexpr const wchar_t* kDescriptionIds[] = {L"description-1", L"description-2", L"description-3"};

const std::vector<VoxPrmFileDetails>& entriesOf(const VoxPrmProject* project) {
  static const std::vector<VoxPrmFileDetails> none;
  return project != nullptr ? project->getProjFileDetails() : none;
}

HcDialogField makeField(const std::wstring& id, HcFieldKind kind, std::wstring value, std::wstring group = {}) {
  HcDialogField field;
  field.id = id;
  field.kind = kind;
  field.label = pageText(L"newdwg-field-" + id);
  field.value = std::move(value);
  field.group = std::move(group);
  return field;
}

std::wstring storedTemplate() {
  const HcSettingsStore* store = hcSettingsStore();
  if (store == nullptr) return {};
  return store->getString(newDrawingSettingsKey(), kTemplateFileValue).value_or(std::wstring());
}

// "dftr.dwt" in the host's template folder.
std::wstring defaultTemplate() {
  HcResBuf folder;
  std::wstring path = kDefaultTemplateName;
  if (hcedGetVar(L"TemplatePath", folder) == kRtNorm && folder.string() != nullptr && !folder.string()->empty())
    path = os::combine(os::toBackslashes(*folder.string()), kDefaultTemplateName).value_or(path);
  return path;
}

}  // namespace

std::wstring newDrawingSettingsKey() { return hcrxProductKey() + L"\\Settings\\DrawingNewDlg"; }

CVoxCfgDrawingNewDlg::CVoxCfgDrawingNewDlg() : CVoxCfgDrawingNewDlg(GetActiveProject()) {}

CVoxCfgDrawingNewDlg::CVoxCfgDrawingNewDlg(const VoxPrmProject* project)
    : m_sheet(project != nullptr, offeredSections(entriesOf(project)), offeredSubSections(entriesOf(project))) {
  if (project == nullptr) return;
  m_projectID = project->getProjectID();
  m_projectFolder = os::folderOf(m_projectID);
  m_location = m_projectFolder;
  m_template = storedTemplate();
  m_offeredDescriptions = offeredDescriptions(entriesOf(project));
  compose();
}

int CVoxCfgDrawingNewDlg::DoModal() {
  if (!hasProject()) return kHcDialogCancel;
  const HcResourceScope resources;
  return hcRunDialog(*this);
}

std::wstring CVoxCfgDrawingNewDlg::title() const { return pageText(L"newdwg-title"); }

std::vector<HcDialogField> CVoxCfgDrawingNewDlg::fields() const {
  std::vector<HcDialogField> out{makeField(L"name", HcFieldKind::kText, m_name, L"file"),
                                 makeField(L"location", HcFieldKind::kPath, m_location, L"file"),
                                 makeField(L"template", HcFieldKind::kPath, m_template, L"file")};
  for (std::size_t line = 0; line < m_descriptions.size(); ++line) {
    HcDialogField description = makeField(kDescriptionIds[line], HcFieldKind::kCombo, m_descriptions[line], L"descriptions");
    description.choices = m_offeredDescriptions;
    out.push_back(std::move(description));
  }
  for (HcDialogField& field : m_iec.fields()) out.push_back(std::move(field));
  for (HcDialogField& field : m_sheet.fields()) out.push_back(std::move(field));
  out.push_back(makeField(L"reference", HcFieldKind::kCheck, m_reference ? L"1" : L"0"));
  HcDialogField path = makeField(L"full-path", HcFieldKind::kPathLabel, m_fullPath);
  path.tooltip = m_fullPath;
  out.push_back(std::move(path));
  return out;
}

bool CVoxCfgDrawingNewDlg::setField(const std::wstring& id, const std::wstring& value) {
  if (!hasProject()) return false;
  if (CVoxCfgIECDesigCDlg::owns(id)) return m_iec.setField(id, value);
  if (CVoxCfgSheetValsCDlg::owns(id)) return m_sheet.setField(id, value);
  for (std::size_t line = 0; line < m_descriptions.size(); ++line) {
    if (id != kDescriptionIds[line]) continue;
    m_descriptions[line] = value.substr(0, kMaxDescriptionLength);
    return true;
  }
  if (id == L"reference") {
    if (value != L"0" && value != L"1") return false;
    m_reference = value == L"1";
    return true;
  }
  if (id == L"template") {
    m_template = value;
    return true;
  }
  if (id != L"name" && id != L"location") return false;
  (id == L"name" ? m_name : m_location) = value;
  compose();
  return true;
}

void CVoxCfgDrawingNewDlg::compose() { m_fullPath = composeDrawingPath(m_name, m_location, m_projectFolder); }

bool CVoxCfgDrawingNewDlg::browse(const std::wstring& id) {
  if (!hasProject()) return false;
  if (id == L"location") return browseLocation();
  if (id == L"template") return browseTemplate();
  if (m_iec.browse(id)) {
    notifyChanged();
    return true;
  }
  return false;
}

bool CVoxCfgDrawingNewDlg::browseLocation() {
  HcInteraction* interaction = hcInteraction();
  if (interaction == nullptr) return true;
  const std::wstring start = os::trimmed(m_location).empty() ? m_projectFolder : m_location;
  if (const std::optional<std::wstring> folder = interaction->chooseFolder(host::resourceText(kTitleChooseLocation), start)) {
    setField(L"location", *folder);
    notifyChanged();
  }
  return true;
}

// The host's file navigation dialog for templates, starting in the current template's folder.
bool CVoxCfgDrawingNewDlg::browseTemplate() {
  const std::wstring current = os::trimmed(m_template).empty() ? defaultTemplate() : os::trimmed(m_template);
  const std::wstring title = host::resourceText(kTitleChooseTemplate);
  HcResBuf chosen;
  if (hcedGetFileD(title.c_str(), os::folderOf(os::toBackslashes(current)).c_str(), L"dwt", 0, chosen) == kRtNorm &&
      chosen.string() != nullptr) {
    m_template = *chosen.string();
    notifyChanged();
  }
  return true;
}

std::vector<HcDialogButton> CVoxCfgDrawingNewDlg::buttons() const {
  const bool named = !os::trimmed(m_name).empty();
  return {{L"ok", pageText(L"button-ok"), named, true},
          {L"ok-properties", pageText(L"newdwg-button-ok-properties"), named, false},
          {L"cancel", pageText(L"button-cancel"), true, false},
          {L"help", pageText(L"button-help"), true, false}};
}

HcDialogOutcome CVoxCfgDrawingNewDlg::press(const std::wstring& buttonId) {
  if (buttonId == L"ok" || buttonId == L"ok-properties") return accept(buttonId == L"ok-properties");
  if (buttonId == L"cancel") return cancel();
  if (buttonId == L"help") hcedHelp(L"VoxFolio", L"create_new_drawing_dialog", 0);
  return HcDialogOutcome::stay();
}

std::optional<std::wstring> CVoxCfgDrawingNewDlg::resolvedTemplate() const {
  const std::wstring typed = os::toBackslashes(os::trimmed(m_template));
  if (typed.empty()) return defaultTemplate();
  if (!os::fileExists(typed)) return std::nullopt;
  return typed;
}

HcDialogOutcome CVoxCfgDrawingNewDlg::accept(bool openProperties) {
  compose();
  if (m_fullPath.empty()) return HcDialogOutcome::stay(L"name", host::resourceText(kMsgNameEmpty));
  if (os::pathExists(m_fullPath)) return HcDialogOutcome::stay(L"name", host::resourceText(kMsgDrawingExists, {m_fullPath}));
  if (!isQualifiedDrawingPath(m_fullPath, os::currentFolder()))
    return HcDialogOutcome::stay(L"location", host::resourceText(kMsgInvalidLocation, {m_location}));
  const std::optional<std::wstring> templatePath = resolvedTemplate();
  if (!templatePath) return HcDialogOutcome::stay(L"template", host::resourceText(kMsgTemplateNotFound, {m_template}));
  m_request = NewDrawingRequest{m_projectID,           m_fullPath,          *templatePath,      m_descriptions,
                                m_iec.projectCode(),   m_iec.installation(), m_iec.location(), m_sheet.sheet(),
                                m_sheet.drawing(),     m_sheet.section(),    m_sheet.subSection(), m_reference};
  if (HcSettingsStore* store = hcSettingsStore())
    store->setString(newDrawingSettingsKey(), kTemplateFileValue, os::trimmed(m_template));
  m_openProperties = openProperties;
  return HcDialogOutcome::close(kHcDialogOk);
}

bool CVoxCfgDrawingNewDlg::createDrawing(VoxPrmFileDetails& entry) const {
  if (!createNewDrawing(m_request)) return false;
  entry = newDrawingEntry(m_request);
  return true;
}

}  // namespace vox::dialogs
