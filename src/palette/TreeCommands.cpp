// The commands of the project tree's menus. They act through the project manager, hand the work
// to the LISP core by name, or queue a command string to the current document.

#include <algorithm>

#include "core/ModuleObjects.h"
#include "core/PendingRequestQueue.h"
#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/HcHostServices.h"
#include "host/HcInteraction.h"
#include "host/LispCoreCalls.h"
#include "host/LispCoreFunctions.h"
#include "host/ResourceText.h"
#include "host/VoxMDIGblManager.h"
#include "host/VoxPmClientApp.h"
#include "host/VoxUtils.h"
#include "locking/DrawingLockStatus.h"
#include "palette/CProjectTree.h"
#include "palette/TreeDetailsText.h"
#include "platform/os/CaseMapping.h"

using namespace vox::palette;

namespace {

enum : unsigned { kCaption = 563, kFileNotFoundText = 564, kOpenAnywayText = 565 };

// A LISP core function called with 1 and a project: true when it answered something but nil.
bool callWithProject(const wchar_t* function, const std::wstring& projectID) {
  const std::optional<HcResBufChain> answer =
      vox::host::invokeLispCore(function, HcResBufChain().shortInt(1).str(projectID));
  return answer && !answer->empty() && !(answer->size() == 1 && (*answer)[0].type == kRtNil);
}

HcDocument* openDocumentOf(const std::wstring& path) {
  HcDocManager* documents = hcDocManagerPtr();
  if (documents == nullptr) return nullptr;
  for (HcDocument* doc : documents->documents())
    if (vox::os::iequals(doc->fileName(), path)) return doc;
  return nullptr;
}

}  // namespace

void CProjectTree::RunMenuCommand(unsigned command) {
  const std::wstring projectID = projectIdOf(contextItem_);
  switch (command) {
    case kActivateProject: ProjectMenuActivate(projectID); return;
    case kCloseProject: ProjectMenuClose(projectID); return;
    case kProjectDescriptions: ProjectMenuDescriptions(projectID); return;
    case kTitleBlockUpdate: QueueCommand(L"(c:wd_tb)\r"); return;
    case kDrawingListReport: QueueCommand(L"(c:wd_dwglst_proj)\r"); return;
    case kTaskList: QueueCommand(L"(c:wd_upd_pending nil)\r"); return;
    case kPlotProject: QueueCommand(L"(c:vox_prnt_proj nil nil)\r"); return;
    case kPublishToWeb: QueueCommand(L"(c:wd_xml_pub2web)\r"); return;
    case kPublishDwf: QueueCommand(L"(c:vox_pub_setup)\r"); return;
    case kZipProject: QueueCommand(L"(c:wd_zip_do_wdzip 0)\r"); return;
    case kProjectProperties: QueueCommand(L"_.voxprojectprops\r"); return;
    case kActiveProjectNewDrawing:
    case kNewDrawing: QueueCommand(L"_.voxnewdrawing\r"); return;
    case kNewProject: QueueCommand(L"_.voxnewproject\r"); return;
    case kReorderDrawings: ProjectMenuReorderDrawings(projectID); return;
    case kRemoveDrawings: ProjectMenuRemoveDrawings(projectID); return;
    case kProjectSettings: ProjectMenuSettings(); return;
    case kAddDrawings: ProjectMenuAddDrawings(projectID); return;
    case kAddActiveDrawing: ProjectMenuAddActiveDrawing(projectID); return;
    case kExceptionList: ProjectMenuExceptionList(); return;
    case kOpenProject: EmptySelectMenuOpenProject(); return;
    case kPasteDrawingProperties: DrawingPropsMenuPaste(); return;
    case kApplyProjectDefaults: DrawingPropsMenuApplyProjDefaults(); return;
    case kReplaceDrawing:
      if (const DrawingNode* drawing = model_.drawing(contextItem_); drawing != nullptr && GetProjectDataForItem(contextItem_))
        DrawingMenuReplace(*GetProjectDataForItem(contextItem_), drawing->record->path);
      return;
    case kOpenDrawing: OnDrawingMenuOpen(); return;
    case kCloseDrawing: OnDrawingMenuClose(); return;
    case kRemoveDrawing: {
      std::vector<std::wstring> paths;
      const std::vector<HcNodeId> drawings = commandDrawings();
      for (const HcNodeId id : drawings) paths.push_back(model_.drawing(id)->record->path);
      if (!drawings.empty()) DrawingMenuRemove(projectIdOf(drawings.front()), paths);
      return;
    }
    case kRenameDrawing: RenameTreeItem(contextItem_); return;
    case kCopyDrawingTo: DrawingMenuCopyTo(); return;
    case kDrawingProperties: DrawingMenuProperties(); return;
    case kCompareWithProject: DrawingPropsMenuCompare(); return;
    case kCopyDrawingProperties: DrawingPropsMenuCopy(); return;
    default: return;
  }
}

// ---- Project commands ----

bool CProjectTree::ProjectMenuActivate(const std::wstring& projectID) {
  VoxPrmProjectManager* manager = GetProjectManager();
  return manager != nullptr && manager->setActiveProject(projectID.c_str());
}

// Closing the active project first makes the next project below it active; the last one stays.
bool CProjectTree::ProjectMenuClose(const std::wstring& projectID) {
  VoxPrmProjectManager* manager = GetProjectManager();
  const HcNodeId node = GetProjectItem(projectID);
  if (manager == nullptr || node == 0) return false;
  closingItem_ = node;
  if (manager->isActiveProject(projectID.c_str())) {
    const HcNodeId next = GetNextItem(node, kNext);
    if (next == 0) {
      closingItem_ = 0;
      return false;
    }
    manager->setActiveProject(projectIdOf(next).c_str());
    model_.setCaret(next);
    contextItem_ = 0;
  }
  return manager->closeProject(projectID.c_str(), false);
}

bool CProjectTree::ProjectMenuDescriptions(const std::wstring& projectID) {
  return vox::host::invokeSucceeded(L"c:vox_proj_edit_proj_description_lines", HcResBufChain().str(projectID));
}

bool CProjectTree::ProjectMenuReorderDrawings(const std::wstring& projectID) {
  return callWithProject(L"c:vox_reorder_dlst", projectID);
}

bool CProjectTree::ProjectMenuRemoveDrawings(const std::wstring& projectID) {
  return callWithProject(L"c:vox_proj_multiple_remove", projectID);
}

bool CProjectTree::ProjectMenuSettings() {
  return vox::host::invokeSucceeded(L"c:wd_help_proj_settings", HcResBufChain());
}

bool CProjectTree::OnProjectMenuSymbolLibs() {
  return vox::host::invokeSucceeded(L"c:vox_proj_symbol_lib_dlg", HcResBufChain().shortInt(1).str(projectIdOf(contextItem_)));
}

// ---- Drawing commands ----

std::vector<HcNodeId> CProjectTree::commandDrawings() const {
  std::vector<HcNodeId> drawings;
  if (GetSelectedCount() > 1) {
    for (HcNodeId id = GetFirstSelectedItem(); id != 0; id = GetNextSelectedItem(id))
      if (model_.drawing(id) != nullptr) drawings.push_back(id);
  } else if (model_.drawing(contextItem_) != nullptr) {
    drawings.push_back(contextItem_);
  }
  return drawings;
}

void CProjectTree::OnOpenItem(HcNodeId item) {
  if (model_.drawing(item) == nullptr) return;
  contextItem_ = item;
  const std::wstring path = model_.drawing(item)->record->path;
  if (HcDocument* open = openDocumentOf(path)) {
    if (HcDocManager* documents = hcDocManagerPtr()) documents->activateDocument(open);
    return;
  }
  DrawingMenuOpen(path);
}

void CProjectTree::OnDrawingMenuOpen() {
  for (const HcNodeId id : commandDrawings()) {
    const std::wstring path = model_.drawing(id)->record->path;
    if (HcDocument* open = openDocumentOf(path)) {
      if (HcDocManager* documents = hcDocManagerPtr()) documents->activateDocument(open);
    } else {
      DrawingMenuOpen(path);
    }
  }
}

bool CProjectTree::DrawingMenuOpen(const std::wstring& path) {
  std::wstring holder;
  std::wstring machine;
  std::wstring timeStamp;
  return VoxContextOpenDocument(path, getDrawingLockStatus(path.c_str(), &holder, &machine, &timeStamp));
}

bool CProjectTree::VoxContextOpenDocument(const std::wstring& path, _lockStatus status) {
  HcInteraction* interaction = hcInteraction();
  if (status == kFileNotFound) {
    if (interaction != nullptr)
      interaction->messageBox(vox::host::resourceText(kFileNotFoundText, {path}), vox::host::resourceText(kCaption),
                              HcIcon::kExclamation, HcButtons::kOk);
    return false;
  }
  if (status != kNotLocked) {
    std::wstring holder;
    const std::wstring state = lockStatusText(status, holder).value_or(std::wstring());
    if (interaction == nullptr ||
        interaction->messageBox(vox::host::resourceText(kOpenAnywayText, {path, state}), vox::host::resourceText(kCaption),
                                HcIcon::kQuestion, HcButtons::kYesNo) != HcAnswer::kYes)
      return false;
  }
  PmFlushActive();
  GblPm_Backup_Active();
  HcDocManager* documents = hcDocManagerPtr();
  if (documents == nullptr) return false;
  const std::wstring openCommand = vox::host::lispcore::environmentValue(L"WD_OPEN_DWG").value_or(std::wstring());
  if (hostVariableOn(L"SDI")) {
    HcDocument* doc = documents->appContextOpenDocument(path, false);
    if (doc != nullptr && !openCommand.empty()) documents->sendStringToExecute(doc, openCommand + L"\r", false, false, false);
    return doc != nullptr;
  }
  documents->executeInApplicationContext([path, openCommand] {
    HcDocManager* manager = hcDocManagerPtr();
    if (manager == nullptr || manager->appContextOpenDocument(path, false) == nullptr || openCommand.empty()) return;
    if (manager->curDocument() != nullptr)
      manager->sendStringToExecute(manager->curDocument(), openCommand + L"\r", true, false, true);
  });
  return true;
}

void CProjectTree::OnDrawingMenuClose() {
  std::vector<std::wstring> paths;
  for (const HcNodeId id : commandDrawings()) paths.push_back(vox::os::toLower(model_.drawing(id)->record->path));
  HcDocManager* documents = hcDocManagerPtr();
  if (documents == nullptr) return;
  for (HcDocument* doc : documents->documents()) {
    if (paths.empty()) break;
    const auto found = std::find(paths.begin(), paths.end(), vox::os::toLower(doc->fileName()));
    if (found == paths.end()) continue;
    paths.erase(found);
    documents->closeDocument(doc);
  }
}

bool CProjectTree::DrawingMenuRemove(const std::wstring& projectID, const std::vector<std::wstring>& paths) {
  VoxPrmProjectManager* manager = GetProjectManager();
  std::vector<std::wstring> locked;
  if (manager == nullptr || !LispCheckFileLockStatusAndLock({projectID}, 1, 0, locked)) {
    LispUpdUnlockFiles(locked);
    return false;
  }
  const HcNodeId caret = model_.caret();
  const bool caretRemoved = model_.drawing(caret) != nullptr && !paths.empty() &&
                            vox::os::iequals(model_.drawing(caret)->record->path, paths.front());
  // The caret's neighbour is noted before the nodes are rebuilt.
  const HcNodeId next = caretRemoved ? GetNextItem(caret, kNext) : 0;
  const HcNodeId previous = caretRemoved ? GetNextItem(caret, kPrevious) : 0;
  const std::wstring neighbour = next != 0       ? model_.drawing(next)->record->path
                                 : previous != 0 ? model_.drawing(previous)->record->path
                                                 : std::wstring();
  const bool removed = manager->removeFilesFromProject(paths, projectID.c_str());
  if (removed && caretRemoved) {
    if (const HcNodeId target = neighbour.empty() ? 0 : GetDrawingItem(neighbour)) {
      ClearSelection(false);
      model_.setCaret(target);
      anchor_ = target;
    }
  }
  LispUpdUnlockFiles(locked);
  return removed;
}

// The drawing-properties and compare commands read the drawing and project the palette leaves
// pending, then run from the command line.
bool CProjectTree::queueForDrawing(const wchar_t* command) {
  const DrawingNode* drawing = model_.drawing(contextItem_);
  const std::wstring projectID = projectIdOf(contextItem_);
  vox::core::NavigationState* navigation = vox::core::moduleObjects().navigation;
  if (drawing == nullptr || projectID.empty() || navigation == nullptr) return false;
  navigation->pendingDrawing = drawing->record->path;
  navigation->pendingProject = projectID;
  QueueCommand(command);
  return true;
}

bool CProjectTree::DrawingMenuProperties() { return queueForDrawing(L"_.voxdrawingprops\r"); }

bool CProjectTree::DrawingPropsMenuCompare() { return queueForDrawing(L"_.voxcomparedtop\r"); }

bool CProjectTree::DrawingPropsMenuCopy() {
  const DrawingNode* drawing = model_.drawing(contextItem_);
  if (drawing == nullptr) return false;
  copiedDrawing_ = drawing->record->path;
  return true;
}
