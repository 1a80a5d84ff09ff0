// Renaming a drawing from its label in the project tree: the project and drawing locks held for
// the edit, the editor started with the file name, and at its end the file and the project
// entry renamed together (the file renamed back when the project refuses). Locks are released
// on every path.

#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/HcEventLoop.h"
#include "host/HcHostServices.h"
#include "host/HcInteraction.h"
#include "host/HcUiHost.h"
#include "host/ResourceText.h"
#include "host/VoxPmClientApp.h"
#include "host/VoxUtils.h"
#include "palette/CProjectTree.h"
#include "palette/RenameRules.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/Files.h"
#include "platform/os/WinPath.h"

namespace {

enum : unsigned {
  kReadOnlyText = 422, kReadOnlyCaption = 423, kRenameFailedText = 424, kRenameFailedCaption = 425,
  kNameExistsText = 426, kInvalidNameText = 427, kDrawingOpenText = 428
};

void warn(unsigned textId, const std::vector<std::wstring>& inserts, unsigned captionId) {
  if (HcInteraction* interaction = hcInteraction())
    interaction->messageBox(vox::host::resourceText(textId, inserts), vox::host::resourceText(captionId),
                            HcIcon::kExclamation, HcButtons::kOk);
}

bool isOpenInHost(const std::wstring& path) {
  const HcDocManager* documents = hcDocManagerPtr();
  if (documents == nullptr) return false;
  for (const HcDocument* doc : documents->documents())
    if (vox::os::iequals(doc->fileName(), path)) return true;
  return false;
}

}  // namespace

CProjectTree::RenameSession::~RenameSession() {
  if (!locked.empty()) LispUpdUnlockFiles(locked);
}

void CProjectTree::armDelayedRename() {
  HcEventLoop* loop = hcEventLoop();
  if (loop == nullptr) return;
  renamePending_ = true;
  loop->setTimer(this, kRenameTimerId, hcDoubleClickMs(), false, [this, alive = alive_] {
    if (*alive) onRenameTimer();
  });
}

void CProjectTree::onRenameTimer() {
  if (HcEventLoop* loop = hcEventLoop()) loop->killTimer(this, kRenameTimerId);
  if (renamePending_ && allowLeftClickRename_ && model_.caret() != 0) {
    renamePending_ = false;
    contextItem_ = model_.caret();
    RenameTreeItem(contextItem_);
  }
  renamePending_ = false;
}

void CProjectTree::RenameTreeItem(HcNodeId item) {
  if (labelEditing_) return;
  if (renamePending_) {
    renamePending_ = false;
    if (HcEventLoop* loop = hcEventLoop()) loop->killTimer(this, kRenameTimerId);
  }
  labelEditing_ = true;
  const DrawingNode* drawing = model_.drawing(item);
  const _projdatastruct* project = GetProjectDataForItem(item);
  if (drawing == nullptr || !drawing->record || project == nullptr) {
    labelEditing_ = false;
    return;
  }
  auto session = std::make_unique<RenameSession>();
  session->item = item;
  session->projectID = project->path;
  session->drawingPath = drawing->record->path;
  if (!LispCheckFileLockStatusAndLock({session->projectID}, 1, 0, session->locked) ||
      !LispCheckFileLockStatusAndLock({session->drawingPath}, 1, 1, session->locked)) {
    labelEditing_ = false;  // the session's end releases what was taken
    return;
  }
  const std::optional<std::wstring> initial = OnBeginLabelEdit(item);
  HcTreeListener* editor = model_.listener();
  if (!initial || editor == nullptr) {
    labelBeforeEditing_.clear();
    labelEditing_ = false;
    return;
  }
  rename_ = std::move(session);
  editor->editRequest(item, *initial);
}

std::optional<std::wstring> CProjectTree::OnBeginLabelEdit(HcNodeId item) {
  const DrawingNode* drawing = model_.drawing(item);
  if (drawing == nullptr || !drawing->record || GetProjectDataForItem(item) == nullptr) {
    labelEditing_ = false;
    return std::nullopt;
  }
  labelBeforeEditing_ = vox::os::fileName(drawing->record->path);
  return labelBeforeEditing_;
}

void CProjectTree::OnEndLabelEdit(HcNodeId item, const std::optional<std::wstring>& text) {
  if (!rename_ || rename_->item != item) return;
  const std::unique_ptr<RenameSession> session = std::move(rename_);
  std::optional<std::wstring> renamedTo;
  if (text && GetProjectManager() != nullptr) {
    const vox::palette::RenameTarget target = vox::palette::renameTarget(*text, labelBeforeEditing_);
    if (target.verdict == vox::palette::RenameVerdict::kInvalid) {
      warn(kInvalidNameText, {target.fileName}, kRenameFailedCaption);
    } else if (target.verdict == vox::palette::RenameVerdict::kRename) {
      renamedTo = finishRename(*session, target.fileName);
    }
  }
  PumpDraftorMessages();
  hcedUsrBrk();
  std::vector<std::wstring> locked = std::move(session->locked);
  session->locked.clear();
  LispUpdUnlockFiles(locked);
  labelBeforeEditing_.clear();
  labelEditing_ = false;
  Refresh();
  // The renamed drawing stays the one selected, under its new name.
  if (const HcNodeId renamed = renamedTo ? GetDrawingItem(*renamedTo) : 0; renamed != 0) {
    vox::palette::ProjectTreeModel::SelectionBatch batch(model_);
    ClearSelection(false);
    model_.setCaret(renamed);
    anchor_ = renamed;
  }
}

std::optional<std::wstring> CProjectTree::finishRename(const RenameSession& session, const std::wstring& newName) {
  VoxPrmProjectManager* manager = GetProjectManager();
  const std::wstring& oldPath = session.drawingPath;
  const std::wstring newPath = vox::os::combine(vox::os::folderOf(oldPath), newName).value_or(std::wstring());
  if (newPath.empty()) return std::nullopt;
  if (vox::os::pathExists(newPath)) {
    warn(kNameExistsText, {newName}, kRenameFailedCaption);
    return std::nullopt;
  }
  // The host cannot rename a drawing it has open: its document would keep the old file.
  if (isOpenInHost(oldPath)) {
    warn(kDrawingOpenText, {oldPath}, kRenameFailedCaption);
    return std::nullopt;
  }
  manager->reReadProject(session.projectID.c_str());
  const VoxPrmProject* project = manager->getProject(session.projectID.c_str());
  bool isReference = false;
  if (project == nullptr || !project->isFileInProject(oldPath, &isReference)) return std::nullopt;
  if (!isReference) PmRenameStarted(session.projectID, oldPath);
  if (!DoActualFileRename(oldPath, newPath)) {
    if (!isReference) PmRenameCompleted(session.projectID, oldPath, nullptr);
    return std::nullopt;
  }
  if (!isReference) PmRenameCompleted(session.projectID, oldPath, newPath.c_str());
  if (manager->renameFileInProject(oldPath, newPath, session.projectID.c_str())) return newPath;
  // The project refused (its file could not be written): the file gets its old name back and the
  // project its entry as the file on disk has it.
  vox::os::renameFile(newPath, oldPath);
  manager->reReadProject(session.projectID.c_str());
  return std::nullopt;
}

bool CProjectTree::DoActualFileRename(const std::wstring& oldPath, const std::wstring& newPath) {
  if (oldPath.empty() || newPath.empty()) return false;
  if (vox::os::fileExists(oldPath) && vox::os::isReadOnly(oldPath)) {
    warn(kReadOnlyText, {oldPath}, kReadOnlyCaption);
    return false;
  }
  const bool held = PmUnlockFile(oldPath);
  vox::os::OsError error;
  if (vox::os::renameFile(oldPath, newPath, &error)) return true;
  warn(kRenameFailedText, {oldPath, newPath}, kRenameFailedCaption);
  if (held) PmLockFile(oldPath);
  return false;
}

void CProjectTree::PumpDraftorMessages() {
  if (HcEventLoop* loop = hcEventLoop()) loop->processPending();
}
