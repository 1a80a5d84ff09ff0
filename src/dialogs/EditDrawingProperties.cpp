#include "dialogs/EditDrawingProperties.h"

#include <algorithm>
#include <optional>
#include <set>

#include "core/DrawingSettingsBlock.h"
#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectManager.h"
#include "dialogs/CVoxCfgDrawingPropSheet.h"
#include "dialogs/CVoxCfgWDMAlertDlg.h"
#include "dialogs/DrawingPropsSession.h"
#include "dialogs/DrawingPropsTexts.h"
#include "host/HcDocument.h"
#include "host/HcEditorInput.h"
#include "host/HcHostServices.h"
#include "host/HcMessageCatalog.h"
#include "host/HcUiHost.h"
#include "host/LispCoreSettingsCalls.h"
#include "host/ResourceText.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/WinPath.h"
#include "records/VoxCfgDrawingSettings.h"

namespace vox::dialogs {
namespace {

constexpr std::size_t kMaxPickedText = 256;

int runModuleDialog(HcDialogController& dialog);

std::optional<std::wstring> settingByTag(const VoxCfgDrawingSettings& settings, const wchar_t* tag) {
  std::wstring value;
  if (settings.getValue(VoxCfgDrawingSettings::getIndexForWD_MTag(tag), value) != vox::records::kOk) return std::nullopt;
  return value;
}

// The host's linear precision, when it can be read.
std::optional<int> linearPrecision() {
  HcResBuf value;
  if (hcedGetVar(L"LUPREC", value) != kRtNorm) return std::nullopt;
  if (const auto* s = std::get_if<std::int16_t>(&value.value)) return *s;
  if (const auto* l = std::get_if<std::int32_t>(&value.value)) return *l;
  return std::nullopt;
}

std::set<std::wstring> upperSet(const std::vector<std::wstring>& names) {
  std::set<std::wstring> out;
  for (const std::wstring& name : names) out.insert(os::toUpper(name));
  return out;
}

// The open document of `path`, or null.
HcDocument* documentOf(const std::wstring& path) {
  const HcDocManager* documents = hcDocManagerPtr();
  if (documents == nullptr) return nullptr;
  for (HcDocument* doc : documents->documents())
    if (os::samePath(doc->fileName(), path)) return doc;
  return nullptr;
}

class DrawingPropsEdit {
 public:
  DrawingPropsEdit(std::wstring path, std::wstring projectID, bool savedFile)
      : m_session(std::move(path), std::move(projectID)), m_savedFile(savedFile) {}

  bool run();

 private:
  bool prepareBlock();
  DrawingSheetData readSheetData(const core::TitleValues& titles);
  bool runSheet(CVoxCfgDrawingPropSheet& sheet);
  bool pick(CVoxCfgDrawingPropSheet& sheet);
  void pickInto(CVoxCfgDrawingPropSheet& sheet, DrawingPick kind);
  bool apply(const CVoxCfgDrawingPropSheet& sheet);
  bool writeDrawing(const CVoxCfgDrawingPropSheet& sheet);
  void storeEntry(const VoxPrmFileDetails& entry);
  void announce();

  DrawingPropsSession m_session;
  bool m_savedFile;
  VoxCfgDrawingSettings m_defaults;
  VoxCfgDrawingSettings m_read;
  DrawingSheetData m_before;
  std::optional<std::wstring> m_newSheet;
  std::optional<std::wstring> m_oldSheet;
  bool m_changed = false;
};

bool DrawingPropsEdit::run() {
  if (m_savedFile && !m_session.lockDrawing()) return false;
  if (!m_session.openDatabase()) return false;
  core::TitleValues titles;
  core::readTitleValues(m_session.db(), titles);
  m_defaults.fillWithDefaults(m_session.project(), true);
  if (!prepareBlock()) return false;
  core::readDrawingSettings(m_session.db(), m_read, false);
  m_session.lockProject();
  m_session.lockDocument();
  m_before = readSheetData(titles);
  m_oldSheet = settingByTag(m_read, L"SHEET");
  CVoxCfgDrawingPropSheet sheet(m_before, m_read);
  if (!runSheet(sheet)) return false;
  if (!m_session.closeDatabase()) return false;
  announce();
  m_session.unlockProject();
  m_session.unlockDocument();
  if (m_changed && m_newSheet && m_newSheet != m_oldSheet)
    host::lispcore::updateLadderSheet(m_session.path(), *m_newSheet, true);
  return true;
}

// A drawing without the settings block gets one when its project is the active one (or it has
// none) and the user agrees; with use-project-defaults it carries the project's defaults.
bool DrawingPropsEdit::prepareBlock() {
  VoxDbxBlockRef& db = m_session.db();
  if (core::findBlockReference(db, core::kSettingsBlockName)) return true;
  const VoxPrmProjectManager* manager = GetProjectManager();
  if (manager != nullptr && m_session.project() != nullptr && !manager->isActiveProject(m_session.projectID().c_str())) {
    std::wstring name;
    manager->makeProjectPrettyNameFromID(m_session.projectID().c_str(), name);
    drawingPropsMessage(kMsgProjectNotActive, {m_session.path(), name});
    return false;
  }
  CVoxCfgWDMAlertDlg alert(os::fileName(m_session.path()));
  m_session.lockDocument();
  const int answer = runModuleDialog(alert);
  m_session.unlockDocument();
  if (answer != kHcDialogOk || !core::ensureWDMBlock(db, true)) return false;
  if (!alert.useProjectDefaults() || core::writeDrawingSettings(db, m_defaults)) return true;
  drawingPropsMessage(kMsgBlockNotWritten, {m_session.path()});
  return false;
}

DrawingSheetData DrawingPropsEdit::readSheetData(const core::TitleValues& titles) {
  DrawingSheetData data;
  data.fileName = os::fileName(m_session.path());
  data.titles = titles;
  if (const VoxPrmProject* project = m_session.project()) {
    if (const VoxPrmProjectManager* manager = GetProjectManager())
      manager->makeProjectPrettyNameFromID(m_session.projectID().c_str(), data.projectName);
    std::vector<VoxPrmFileDetails> found;
    if (project->getDetailsForFiles({m_session.path()}, found) && !found.empty()) data.entry = found.front();
  }
  core::readLayerLists(m_session.db(), data.frozenLayers, data.thawedLayers);
  return data;
}

// The sheet again and again while the user picks; true after OK was applied or Cancel.
bool DrawingPropsEdit::runSheet(CVoxCfgDrawingPropSheet& sheet) {
  while (true) {
    const int result = runModuleDialog(sheet);
    if (result == kHcDialogOk) return apply(sheet);
    if (result != kDrawingSheetPick) return true;
    if (!pick(sheet)) return false;
  }
}

// The database is closed while the user works in the drawing, and opened again after.
bool DrawingPropsEdit::pick(CVoxCfgDrawingPropSheet& sheet) {
  const DrawingPick kind = sheet.takePick();
  if (!m_session.closeDatabase()) return false;
  m_session.unlockDocument();
  pickInto(sheet, kind);
  m_session.lockDocument();
  return m_session.openDatabase();
}

void DrawingPropsEdit::pickInto(CVoxCfgDrawingPropSheet& sheet, DrawingPick kind) {
  if (kind == DrawingPick::kDatumPoint) {
    if (const std::optional<HcPickedPoint> point = hcedGetPoint(host::resourceText(kPromptDatumPoint))) {
      const std::optional<int> precision = linearPrecision();
      sheet.putPoint(formatCoordinate(point->x, precision), formatCoordinate(point->y, precision));
    }
    return;
  }
  const int line = static_cast<int>(kind) - static_cast<int>(DrawingPick::kDescription1) + 1;
  if (line < 1 || line > 3) return;
  const std::wstring prompt = host::resourceText(kPromptDescriptionText, {std::to_wstring(line)});
  if (const std::optional<std::wstring> text = hcedSelectText(prompt)) sheet.putText(kind, text->substr(0, kMaxPickedText));
}

bool DrawingPropsEdit::apply(const CVoxCfgDrawingPropSheet& sheet) {
  m_newSheet = settingByTag(sheet.settings(), L"SHEET");
  if (!writeDrawing(sheet)) return false;
  if (sheet.data().entry) storeEntry(*sheet.data().entry);
  return true;
}

// Writes what the sheet changed into the drawing; whether anything changed is remembered.
bool DrawingPropsEdit::writeDrawing(const CVoxCfgDrawingPropSheet& sheet) {
  VoxDbxBlockRef& db = m_session.db();
  const DrawingSheetData& data = sheet.data();
  if (sheet.settings() != m_read) {
    if (!core::writeDrawingSettings(db, sheet.settings())) {
      drawingPropsMessage(kMsgBlockNotWritten, {m_session.path()});
      return false;
    }
    core::propagateWireFormat(db, settingByTag(m_read, L"WIREFMT"), settingByTag(sheet.settings(), L"WIREFMT"));
    m_changed = true;
  }
  if (data.titles != m_before.titles) {
    core::writeTitleValues(db, data.titles);
    m_changed = true;
  }
  if (upperSet(data.frozenLayers) != upperSet(m_before.frozenLayers)) {
    core::applyLayerList(db, data.frozenLayers, true);
    core::applyLayerList(db, data.thawedLayers, false);
    m_changed = true;
  }
  return true;
}

void DrawingPropsEdit::storeEntry(const VoxPrmFileDetails& entry) {
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr || m_session.project() == nullptr) return;
  manager->modifyDetailsForFileInProject(entry, m_session.projectID().c_str());
  VoxPrmProject* project = m_session.project();  // the announcement may have reached anything
  if (project == nullptr || project->GetProjData() == project->GetOldProjData()) return;
  if (!project->writeProject(nullptr)) drawingPropsMessage(kMsgProjectNotWritten, {m_session.projectID()});
}

// The LISP core re-reads the settings of the active document; another document that shows the
// drawing is marked for the re-read when it is next activated.
void DrawingPropsEdit::announce() {
  if (!m_changed) return;
  const HcDocManager* documents = hcDocManagerPtr();
  const HcDocument* active = documents != nullptr ? documents->mdiActiveDocument() : nullptr;
  if (active != nullptr && os::samePath(active->fileName(), m_session.path())) {
    host::lispcore::rereadDrawingParameters();
  } else if (documentOf(m_session.path()) != nullptr) {
    if (VoxPrmProjectManager* manager = GetProjectManager()) manager->setDrawingsNeedWD_MUpdate({m_session.path()}, true);
  }
}

// Runs a dialog with the host's resource lookup switched to the module's catalog.
int runModuleDialog(HcDialogController& dialog) {
  const HcResourceScope resources;
  return hcRunDialog(dialog);
}

std::wstring withBackslashes(std::wstring text) {
  std::replace(text.begin(), text.end(), L'/', L'\\');
  return text;
}

// The project of the drawing: the open project `projectID`, or the one that lists the drawing.
std::wstring projectOf(const std::wstring& path, const std::wstring& projectID) {
  if (!projectID.empty()) {
    const VoxPrmProjectManager* manager = GetProjectManager();
    const VoxPrmProject* project = manager != nullptr ? manager->getProject(projectID.c_str()) : nullptr;
    return project != nullptr ? project->getProjectID() : std::wstring();
  }
  const VoxPrmProject* listing = FindDwgInOpenProject(path.c_str());
  return listing != nullptr ? listing->getProjectID() : std::wstring();
}

}  // namespace

bool editDrawingProperties(const std::wstring& path, const wchar_t* projectID, bool savedFile) {
  if (path.empty() || projectID == nullptr) return false;
  const std::wstring drawing = withBackslashes(path);
  DrawingPropsEdit edit(drawing, projectOf(drawing, withBackslashes(projectID)), savedFile);
  return edit.run();
}

}  // namespace vox::dialogs
