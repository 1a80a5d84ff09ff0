// The tree's commands that change which drawings a project lists or what their settings blocks
// hold: add drawings, add the active drawing, open a project, replace a drawing, the exception
// list, paste drawing properties and apply project defaults. Every lock a command takes is
// released on every path (HeldLocks).

#include <algorithm>
#include <functional>

#include "core/DrawingSettingsBlock.h"
#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/HcHostServices.h"
#include "host/HcUiHost.h"
#include "host/HcInteraction.h"
#include "host/ResourceText.h"
#include "host/VoxDbxBlockRef.h"
#include "host/VoxUtils.h"
#include "palette/CProjectTree.h"
#include "palette/CVoxPrmFileOpenHostDlg.h"
#include "palette/ProjectOpening.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/Files.h"
#include "platform/os/WinPath.h"

namespace {

enum : unsigned {
  kCaption = 563, kNoFileText = 564, kApplyDefaultsText = 566, kInProjectText = 569, kCannotOpenText = 570,
  kUnreadableText = 571, kNoBlockText = 572, kNoExceptionsText = 573, kExceptionCaption = 574, kDrawingLabel = 575,
  kStatusLabel = 410, kFolderLabel = 414, kAddCaption = 579, kReplaceCaption = 582,
  kDrawingFilter = 584, kAnyFilter = 586, kNotChangedText = 587, kCouldNotLockText = 578, kReplaceFileText = 588, kCopyFailedText = 589
};

std::wstring text(unsigned id, const std::vector<std::wstring>& inserts = {}) { return vox::host::resourceText(id, inserts); }

HcAnswer ask(const std::wstring& question, HcButtons buttons, HcIcon icon = HcIcon::kQuestion) {
  HcInteraction* interaction = hcInteraction();
  if (interaction == nullptr) return buttons == HcButtons::kYesNoCancel ? HcAnswer::kCancel : HcAnswer::kNo;
  return interaction->messageBox(question, text(kCaption), icon, buttons);
}

void warn(const std::wstring& message) {
  if (HcInteraction* interaction = hcInteraction())
    interaction->messageBox(message, text(kCaption), HcIcon::kExclamation, HcButtons::kOk);
}

// Locks taken for one command, released when it ends however it ends.
class HeldLocks {
 public:
  HeldLocks() = default;
  HeldLocks(const HeldLocks&) = delete;
  HeldLocks& operator=(const HeldLocks&) = delete;
  ~HeldLocks() { release(); }
  bool lockProject(const std::wstring& projectID) { return LispCheckFileLockStatusAndLock({projectID}, 1, 0, locked_); }
  bool lockDrawings(const std::vector<std::wstring>& paths) { return LispCheckFileLockStatusAndLock(paths, 1, 1, locked_); }
  void release() {
    if (!locked_.empty()) LispUpdUnlockFiles(locked_);
    locked_.clear();
  }

 private:
  std::vector<std::wstring> locked_;
};

// Changes a drawing's settings block and saves it; the reason when that fails.
std::optional<std::wstring> changeDrawing(const std::wstring& path,
                                          const std::function<bool(VoxDbxBlockRef&)>& change) {
  const std::unique_ptr<VoxDbxBlockRef> db = VoxDbxCreateBlockRef();
  if (!db || !db->open(path, VoxDbxDatabase::kOpenForWrite, false)) return db ? db->lastError() : std::wstring();
  if (!change(*db)) {
    db->close(false);
    return text(kNoBlockText, {path});
  }
  if (!db->close(true)) return db->lastError();
  return std::nullopt;
}

// Changes every drawing; the first failure is reported, every failing drawing is named after.
void changeDrawings(const std::vector<std::wstring>& paths, const std::function<bool(VoxDbxBlockRef&)>& change) {
  std::vector<std::wstring> failed;
  for (const std::wstring& path : paths) {
    const std::optional<std::wstring> problem = changeDrawing(path, change);
    if (!problem) continue;
    if (failed.empty()) warn(text(kNotChangedText, {path, *problem}));
    failed.push_back(path);
  }
  if (failed.size() > 1) {
    std::wstring names;
    for (const std::wstring& path : failed) names += L"\n" + path;
    warn(text(590, {names}));
  }
}

// After drawings' settings changed: the active drawing re-reads its settings, other open ones
// are marked for a settings refresh.
void followUpChangedDrawings(const std::vector<std::wstring>& paths) {
  VoxPrmProjectManager* manager = GetProjectManager();
  HcDocManager* documents = hcDocManagerPtr();
  if (manager == nullptr || documents == nullptr) return;
  const HcDocument* active = documents->mdiActiveDocument();
  std::vector<std::wstring> open;
  bool activeChanged = false;
  for (const std::wstring& path : paths) {
    if (active != nullptr && vox::os::iequals(active->fileName(), path)) {
      activeChanged = true;
      continue;
    }
    for (const HcDocument* doc : documents->documents())
      if (vox::os::iequals(doc->fileName(), path)) open.push_back(path);
  }
  if (activeChanged && documents->curDocument() != nullptr)
    documents->sendStringToExecute(documents->curDocument(), L"(c:wd_reread_dwg_params)\r", true, false, false);
  if (!open.empty()) manager->setDrawingsNeedWD_MUpdate(open, true);
}

bool listed(const VoxPrmProject& project, const std::wstring& path) {
  const std::vector<VoxPrmFileDetails>& entries = project.getProjFileDetails();
  return std::any_of(entries.begin(), entries.end(), [&](const VoxPrmFileDetails& e) { return vox::os::iequals(e.fileName, path); });
}

}  // namespace

bool CProjectTree::ProjectMenuAddDrawings(const std::wstring& projectID) {
  VoxPrmProjectManager* manager = GetProjectManager();
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(projectID.c_str()) : nullptr;
  HeldLocks projectLock;
  if (project == nullptr || !projectLock.lockProject(projectID)) return false;
  HcInteraction* interaction = hcInteraction();
  const std::optional<std::vector<std::wstring>> chosen =
      interaction != nullptr ? interaction->chooseFiles(text(kAddCaption), vox::os::folderOf(projectID) + L"\\", text(kDrawingFilter))
                             : std::nullopt;
  if (!chosen) return false;
  std::vector<std::wstring> files;
  for (const std::wstring& answer : *chosen) {
    const std::wstring file = vox::os::toBackslashes(answer);
    if (!vox::os::iequals(vox::os::extension(file), L".dwg")) continue;
    if (!vox::os::fileExists(file)) {
      warn(text(kNoFileText, {file}));
      continue;
    }
    files.push_back(file);
  }
  if (files.empty()) return false;
  bool applyDefaults = false;
  HeldLocks drawingLocks;
  if (hcHasDocument()) {
    const HcAnswer answer = ask(text(kApplyDefaultsText), HcButtons::kYesNoCancel);
    if (answer == HcAnswer::kCancel) return false;
    applyDefaults = answer == HcAnswer::kYes;
    if (applyDefaults) {
      for (const std::wstring& file : files) vox::os::setReadOnly(file, false);
      if (!drawingLocks.lockDrawings(files)) return false;
    }
  }
  std::vector<VoxPrmFileDetails> added;
  std::vector<std::wstring> changed;
  for (const std::wstring& file : files) {
    if (listed(*project, file) ||
        std::any_of(added.begin(), added.end(), [&](const VoxPrmFileDetails& e) { return vox::os::iequals(e.fileName, file); }))
      continue;
    if (applyDefaults) changed.push_back(file);
    VoxPrmFileDetails entry;
    entry.fileName = file;
    added.push_back(entry);
  }
  changeDrawings(changed, [project](VoxDbxBlockRef& db) { return vox::core::updateDrawingFromProject(db, project, false); });
  drawingLocks.release();
  followUpChangedDrawings(changed);
  const bool done = !added.empty() && manager->addFilesToProject(added, projectID.c_str(), true, false);
  projectLock.release();
  return done;
}

bool CProjectTree::ProjectMenuAddActiveDrawing(const std::wstring& projectID) {
  VoxPrmProjectManager* manager = GetProjectManager();
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(projectID.c_str()) : nullptr;
  HeldLocks projectLock;
  if (project == nullptr || !projectLock.lockProject(projectID)) return false;
  const HcDocManager* documents = hcDocManagerPtr();
  const HcDocument* doc = documents == nullptr              ? nullptr
                          : documents->mdiActiveDocument() ? documents->mdiActiveDocument()
                                                           : documents->curDocument();
  if (doc == nullptr) return false;
  const std::wstring path = vox::os::toBackslashes(doc->fileName());
  const HcAnswer answer = ask(text(kApplyDefaultsText), HcButtons::kYesNoCancel);
  if (answer == HcAnswer::kCancel) return false;
  if (answer == HcAnswer::kYes) {
    HeldLocks drawingLock;
    if (!drawingLock.lockDrawings({path})) return false;
    changeDrawings({path}, [project](VoxDbxBlockRef& db) { return vox::core::updateDrawingFromProject(db, project, false); });
    drawingLock.release();
    QueueCommand(L"(c:wd_reread_dwg_params)\r");
  }
  VoxPrmFileDetails entry;
  entry.fileName = path;
  const bool done = manager->addFileToProject(entry, projectID.c_str(), true, false);
  projectLock.release();
  return done;
}

bool CProjectTree::EmptySelectMenuOpenProject() { return vox::palette::openProjectFromDialog(); }

bool CProjectTree::DrawingMenuReplace(const _projdatastruct& projectRecord, const std::wstring& oldPath) {
  VoxPrmProjectManager* manager = GetProjectManager();
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(projectRecord.path.c_str()) : nullptr;
  HeldLocks projectLock;
  if (project == nullptr || !projectLock.lockProject(projectRecord.path)) return false;
  HcInteraction* interaction = hcInteraction();
  const std::optional<std::wstring> chosen =
      interaction != nullptr
          ? interaction->chooseFile(text(kReplaceCaption), vox::os::folderOf(oldPath) + L"\\", text(kAnyFilter), false)
          : std::nullopt;
  if (!chosen) return false;
  const std::wstring newPath = vox::os::toBackslashes(*chosen);
  if (listed(*project, newPath)) {
    warn(text(kInProjectText, {newPath}));
    return false;
  }
  const HcAnswer answer = ask(text(kApplyDefaultsText), HcButtons::kYesNoCancel);
  if (answer == HcAnswer::kCancel) return false;
  HeldLocks drawingLock;
  const bool locked = answer == HcAnswer::kYes && drawingLock.lockDrawings({newPath});
  const bool replaced = manager->replaceFileInProject(oldPath, newPath, projectRecord.path.c_str());
  if (replaced && locked)
    changeDrawings({newPath}, [project](VoxDbxBlockRef& db) { return vox::core::updateDrawingFromProject(db, project, false); });
  drawingLock.release();
  projectLock.release();
  return replaced;
}

bool CProjectTree::DrawingMenuCopyTo() {
  VoxPrmProjectManager* manager = GetProjectManager();
  const DrawingNode* drawing = model_.drawing(contextItem_);
  if (manager == nullptr || drawing == nullptr) return false;
  const std::wstring source = drawing->record->path;
  // The open projects, the active one first.
  std::wstring active;
  manager->getActiveProjectID(active);
  std::vector<CVoxPrmFileOpenHostDlg::Project> projects;
  for (int i = 0; i < manager->getProjectCount(); ++i) {
    const std::wstring id = manager->getProject(i)->getProjectID();
    std::wstring name;
    manager->makeProjectPrettyNameFromID(id.c_str(), name);
    const auto at = vox::os::iequals(id, active) ? projects.begin() : projects.end();
    projects.insert(at, {id, name});
  }
  CVoxPrmFileOpenHostDlg dialog(source, projects);
  if (hcRunDialog(dialog) != kHcDialogOk) return false;
  const HcAnswer answer = ask(text(kApplyDefaultsText), HcButtons::kYesNoCancel);
  if (answer == HcAnswer::kCancel) return false;
  const std::wstring targetID = dialog.projectID();
  const VoxPrmProject* target = manager->getProject(targetID.c_str());
  HeldLocks projectLock;
  if (target == nullptr || !projectLock.lockProject(targetID)) {
    hcutPrintf(L"\n%s", text(kCouldNotLockText, {targetID}).c_str());
    return false;
  }
  const std::wstring path = vox::os::toBackslashes(dialog.path());
  if (!vox::os::iequals(path, source)) {
    // Another file of that name is replaced only when the user says so.
    if (vox::os::pathExists(path) && ask(text(kReplaceFileText, {path, source}), HcButtons::kYesNo, HcIcon::kExclamation) != HcAnswer::kYes)
      return false;
    vox::os::OsError error;
    if (!vox::os::copyFile(source, path, true, &error)) {
      warn(text(kCopyFailedText, {source, path, error.message}));
      return false;
    }
    vox::os::setReadOnly(path, false);
  }
  if (answer == HcAnswer::kYes)
    changeDrawings({path}, [target](VoxDbxBlockRef& db) { return vox::core::updateDrawingFromProject(db, target, false); });
  VoxPrmFileDetails entry = drawing->record->details;
  entry.fileName = path;
  manager->addFileToProject(entry, targetID.c_str(), true, false);
  return true;
}

bool CProjectTree::ProjectMenuExceptionList() {
  VoxPrmProjectManager* manager = GetProjectManager();
  const std::wstring projectID = projectIdOf(contextItem_);
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(projectID.c_str()) : nullptr;
  if (project == nullptr) return false;
  std::wstring report;
  for (const VoxPrmFileDetails& entry : project->getProjFileDetails()) {
    const std::wstring path = vox::os::toBackslashes(entry.fileName);
    const std::unique_ptr<VoxDbxBlockRef> db = VoxDbxCreateBlockRef();
    VoxCfgDrawingSettings settings;
    if (!db || !db->open(path, VoxDbxDatabase::kOpenForRead, false)) continue;
    const bool readable = vox::core::readDrawingSettings(*db, settings, false);
    db->close(false);
    if (!readable || settings.CompareNonDrawingSpecificValues(project->getProjDefWDMVals())) continue;
    std::wstring status;
    GetDrawingStatusText(path, status, nullptr);
    if (!report.empty()) report += L"\r\n\r\n";
    report += text(kDrawingLabel) + L" " + vox::os::fileName(path) + L"\r\n" + text(kStatusLabel) + L" " + status +
              L"\r\n" + text(kFolderLabel) + L" " + vox::os::folderOf(path);
  }
  std::wstring name;
  manager->makeProjectPrettyNameFromID(projectID.c_str(), name);
  HcInteraction* interaction = hcInteraction();
  if (interaction == nullptr) return false;
  if (report.empty()) {
    interaction->messageBox(text(kNoExceptionsText), text(kExceptionCaption, {name}), HcIcon::kInformation, HcButtons::kOk);
  } else {
    interaction->showReport(report, text(kExceptionCaption, {name}), HcIcon::kInformation);
  }
  return true;
}

bool CProjectTree::DrawingPropsMenuPaste() {
  if (copiedDrawing_.empty()) return false;
  const std::unique_ptr<VoxDbxBlockRef> source = VoxDbxCreateBlockRef();
  if (!source || !source->open(copiedDrawing_, VoxDbxDatabase::kOpenForRead, false)) {
    warn(text(kCannotOpenText, {copiedDrawing_}));
    return false;
  }
  VoxCfgDrawingSettings settings;
  const bool readable = vox::core::readDrawingSettings(*source, settings, false);
  const bool hasBlock = vox::core::findBlockReference(*source, L"WD_M");
  source->close(false);
  if (!readable) {
    warn(text(hasBlock ? kUnreadableText : kNoBlockText, {copiedDrawing_}));
    return false;
  }
  std::vector<std::wstring> targets;
  for (const HcNodeId id : commandDrawings()) targets.push_back(model_.drawing(id)->record->path);
  HeldLocks drawingLocks;
  if (targets.empty() || !drawingLocks.lockDrawings(targets)) return false;
  changeDrawings(targets, [&settings](VoxDbxBlockRef& db) { return vox::core::updateDrawingFromSettings(db, settings, false); });
  drawingLocks.release();
  followUpChangedDrawings(targets);
  return true;
}

bool CProjectTree::DrawingPropsMenuApplyProjDefaults() {
  const std::vector<HcNodeId> drawings = commandDrawings();
  VoxPrmProjectManager* manager = GetProjectManager();
  const VoxPrmProject* project =
      manager != nullptr && !drawings.empty() ? manager->getProject(projectIdOf(drawings.front()).c_str()) : nullptr;
  if (project == nullptr) return false;
  std::vector<std::wstring> targets;
  for (const HcNodeId id : drawings) targets.push_back(model_.drawing(id)->record->path);
  HeldLocks drawingLocks;
  if (!drawingLocks.lockDrawings(targets)) return false;
  changeDrawings(targets, [project](VoxDbxBlockRef& db) { return vox::core::updateDrawingFromProject(db, project, false); });
  drawingLocks.release();
  followUpChangedDrawings(targets);
  return true;
}
