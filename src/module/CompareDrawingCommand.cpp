#include "module/CompareDrawingCommand.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "core/DrawingSettingsBlock.h"
#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectManager.h"
#include "dialogs/CVoxCfgDwgSettingsCompareDlg.h"
#include "dialogs/SettingsCompareRows.h"
#include "host/HcDocument.h"
#include "host/HcMessageCatalog.h"
#include "host/HcUiHost.h"
#include "host/VoxUtils.h"
#include "module/CompareSession.h"
#include "module/ModuleState.h"
#include "module/VoxPrmNavManager.h"
#include "platform/os/WinPath.h"
#include "records/VoxCfgDrawingSettings.h"

namespace vox::module {
namespace {

std::wstring withBackslashes(std::wstring text) {
  std::replace(text.begin(), text.end(), L'/', L'\\');
  return text;
}

std::optional<std::wstring> wireFormat(const VoxCfgDrawingSettings& settings) {
  std::wstring value;
  if (settings.getValue(VoxCfgDrawingSettings::getIndexForWD_MTag(L"WIREFMT"), value) != VoxCfgDrawingSettings::kOk)
    return std::nullopt;
  return value;
}

// The drawing to compare: the pending one, else the current document's; its project ID as
// handed over (possibly empty). No drawing: none.
std::optional<std::pair<std::wstring, std::wstring>> takeDrawingAndProject() {
  std::pair<std::wstring, std::wstring> pending;
  if (VoxPrmNavManager* nav = navManager()) pending = nav->takePending();
  if (pending.first.empty()) {
    const HcDocManager* documents = hcDocManagerPtr();
    const HcDocument* current = documents != nullptr ? documents->curDocument() : nullptr;
    if (current == nullptr || current->fileName().empty()) return std::nullopt;
    pending.first = current->fileName();
  }
  return std::pair{withBackslashes(pending.first), withBackslashes(pending.second)};
}

// The open project: the one named, or the one that lists the drawing; null after its message.
VoxPrmProject* findProject(const std::wstring& drawing, const std::wstring& projectID) {
  if (projectID.empty()) {
    VoxPrmProject* listing = FindDwgInOpenProject(drawing.c_str());
    if (listing == nullptr) compareMessage(kMsgNoOpenProject, kMsgNoOpenProjectCaption);
    return listing;
  }
  VoxPrmProjectManager* manager = GetProjectManager();
  VoxPrmProject* project = manager != nullptr ? manager->getProject(projectID.c_str()) : nullptr;
  if (project == nullptr) compareMessage(kMsgProjectNotOpen, kMsgProjectNotOpenCaption);
  return project;
}

std::wstring prettyName(const std::wstring& projectID) {
  std::wstring name;
  if (const VoxPrmProjectManager* manager = GetProjectManager())
    manager->makeProjectPrettyNameFromID(projectID.c_str(), name);
  return name;
}

// Writes the drawing's edited settings into its block (a changed wire number format passed on to
// the ladder blocks) and saves the drawing; an unchanged record leaves the file as it was.
bool storeDrawing(CompareSession& session, const std::wstring& drawing, const VoxCfgDrawingSettings& before,
                  const VoxCfgDrawingSettings& after) {
  if (dialogs::changedIndices(before, after).empty()) return session.closeDatabase(false);
  if (!core::writeDrawingSettings(session.db(), after)) {
    compareMessage(kMsgCompareBlockNotWritten, kMsgCompareCaption, {drawing});
    return false;
  }
  core::propagateWireFormat(session.db(), wireFormat(before), wireFormat(after));
  return session.closeDatabase(true);
}

// Stores what the user changed in the project's default drawing settings and writes the project
// file when its data differs from what was last stored. Only the changed indices are set: the
// values the project leaves to the built-in and dependent defaults stay unset.
void storeProject(const std::wstring& projectID, const VoxCfgDrawingSettings& before,
                  const VoxCfgDrawingSettings& after) {
  const std::vector<int> changed = dialogs::changedIndices(before, after);
  VoxPrmProjectManager* manager = GetProjectManager();
  VoxPrmProject* project = manager != nullptr ? manager->getProject(projectID.c_str()) : nullptr;
  if (changed.empty() || project == nullptr) return;
  VoxCfgDrawingSettings defaults(project->getProjDefWDMVals());
  for (const int index : changed) {
    std::wstring value;
    const bool set = after.getValue(index, value) == VoxCfgDrawingSettings::kOk;
    defaults.setValue(index, set ? &value : nullptr);
  }
  project->setProjDefWDMVals(defaults);
  if (project->GetProjData() == project->GetOldProjData()) return;
  if (!project->writeProject(nullptr)) compareMessage(kMsgCompareProjectNotWritten, kMsgCompareCaption, {projectID});
}

void compare(const std::wstring& drawing, VoxPrmProject& project) {
  const std::wstring projectID = project.getProjectID();
  CompareSession session(drawing, projectID);
  if (!session.lockDrawing() || !session.openDatabase()) return;
  if (!core::findBlockReference(session.db(), core::kSettingsBlockName)) {
    compareMessage(kMsgNoSettingsBlock, kMsgNoSettingsBlockCaption);
    return;
  }
  VoxCfgDrawingSettings drawingSettings;
  drawingSettings.fillWithDefaults(&project, false);
  core::readDrawingSettings(session.db(), drawingSettings, false);
  VoxCfgDrawingSettings projectSettings;
  projectSettings.fillWithDefaults(&project, false);
  if (!session.lockProject()) return;
  int result = kHcDialogCancel;
  std::optional<CVoxCfgDwgSettingsCompareDlg> dialog;
  {
    const HcResourceScope resources;
    dialog.emplace(drawingSettings, projectSettings, os::fileName(drawing), prettyName(projectID));
    result = hcRunDialog(*dialog);
  }
  if (result != kHcDialogOk) return;  // the session closes the database without saving
  if (!storeDrawing(session, drawing, drawingSettings, dialog->drawingSettings())) return;
  storeProject(projectID, projectSettings, dialog->projectSettings());
}

}  // namespace

void runCompareDrawingToProject() {
  VoxKivEmitter(L"VXSHEETCOMPARE");
  const std::optional<std::pair<std::wstring, std::wstring>> target = takeDrawingAndProject();
  if (!target) return;
  VoxPrmProject* project = findProject(target->first, target->second);
  if (project != nullptr) compare(target->first, *project);
}

}  // namespace vox::module
