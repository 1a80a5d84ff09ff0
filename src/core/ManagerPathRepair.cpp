// The project manager's repair of drawing paths that no longer exist, run when a project is
// opened: questions through the host's message boxes, a file prompt for a drawing found
// nowhere, and the write of the repaired project under its lock.

#include "core/PathRepair.h"
#include "core/ProjectNames.h"
#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/HcHostServices.h"
#include "host/HcInteraction.h"
#include "host/HcMessageCatalog.h"
#include "host/ResourceText.h"
#include "platform/os/Files.h"
#include "platform/os/WinPath.h"

namespace {

using vox::host::resourceText;

enum : unsigned {
  kDrawingFilter = 119,
  kAllMovedQuestion = 132,
  kAllMovedCaption = 133,
  kSomeHereQuestion = 134,
  kSomeHereCaption = 135,
  kPickQuestion = 136,
  kPickCaption = 137,
  kPickTitle = 138,
  kNotSavedCaption = 179,
  kNotSavedUnknown = 180,
  kNotSavedByOther = 181,
  kNotSavedHolderUnknown = 182,
  kNotSavedReadOnly = 183,
  kWriteFailedCaption = 184,
  kWriteFailed = 185,
};
constexpr int kDrawingPromptFlags = 144;

bool fileExists(const std::wstring& path) { return vox::os::fileExists(path); }

bool ask(unsigned text, unsigned caption, const std::vector<std::wstring>& inserts) {
  HcInteraction* interaction = hcInteraction();
  return interaction != nullptr && interaction->messageBox(resourceText(text, inserts), resourceText(caption),
                                                           HcIcon::kQuestion, HcButtons::kOkCancel) == HcAnswer::kOk;
}

void showError(unsigned text, unsigned caption, const std::vector<std::wstring>& inserts) {
  if (HcInteraction* interaction = hcInteraction())
    interaction->messageBox(resourceText(text, inserts), resourceText(caption), HcIcon::kError, HcButtons::kOk);
}

// The drawing the user points to: the host's file prompt while a document is open, else a
// file dialog starting in the project folder.
std::optional<std::wstring> pickDrawing(const std::wstring& missingName, const std::wstring& projectFolder) {
  const std::wstring title = resourceText(kPickTitle, {missingName});
  if (hcHasDocument()) {
    HcResBuf picked;
    if (hcedGetFileD(title.c_str(), projectFolder.c_str(), L"dwg", kDrawingPromptFlags, picked) == kRtNorm &&
        picked.string() != nullptr) {
      return *picked.string();
    }
    return std::nullopt;
  }
  HcInteraction* interaction = hcInteraction();
  if (interaction == nullptr) return std::nullopt;
  const std::wstring start = vox::os::combine(projectFolder, missingName).value_or(projectFolder);
  return interaction->chooseFile(title, start, resourceText(kDrawingFilter, {L".dwg", L".dwg"}), false);
}

// The error shown when the repaired project cannot be locked, by the lock's state; 0 for none.
unsigned notSavedMessage(_lockStatus status) {
  switch (status) {
    case kLockStatusUnknown:
    case kFileNotFound: return kNotSavedUnknown;
    case kLockedByOther: return kNotSavedByOther;
    case kLockedHolderUnknown: return kNotSavedHolderUnknown;
    case kReadOnly:
    case kNoFolderAccess: return kNotSavedReadOnly;
    default: return 0;
  }
}

}  // namespace

bool VoxPrmProjectManager::allFoundAtPath(const VoxPrmProject* project, const wchar_t* folder) const {
  if (project == nullptr || folder == nullptr) return false;
  return vox::core::allFoundAtPath(project->getProjFileDetails(), folder, fileExists);
}

bool VoxPrmProjectManager::repairPaths(VoxPrmProject* project, const wchar_t* folder) {
  if (project == nullptr || folder == nullptr) return false;
  // Re-pointed in a copy and put back whole: one pass however many entries moved.
  std::vector<VoxPrmFileDetails> entries = project->getProjFileDetails();
  const bool all = vox::core::repairPaths(entries, folder, fileExists);
  VoxPrmProjectData& data = project->GetProjData();
  data.removeAllFiles();
  data.addFiles(entries);
  return all;
}

bool VoxPrmProjectManager::verifyAndRepairAbsolutePaths(VoxPrmProject* project) {
  if (project == nullptr) return false;
  const std::wstring projectFolder = vox::os::folderOf(project->getProjectID());
  if (projectFolder.empty()) return false;
  const HcResourceScope resources;
  bool repaired = false;
  std::size_t from = 0;  // entries before this were asked about and stay missing
  while (const std::optional<std::size_t> missing = vox::core::firstMissing(project->getProjFileDetails(), from, fileExists)) {
    const std::wstring path = project->getProjFileDetails()[*missing].fileName;
    const std::wstring name = vox::os::fileName(path);
    const std::wstring candidate = vox::os::combine(projectFolder, name).value_or(std::wstring());
    std::optional<std::wstring> folder;
    if (allFoundAtPath(project, projectFolder.c_str())) {
      if (!ask(kAllMovedQuestion, kAllMovedCaption, {vox::os::folderOf(path), projectFolder})) break;
      folder = projectFolder;
    } else if (!candidate.empty() && fileExists(candidate)) {
      if (!ask(kSomeHereQuestion, kSomeHereCaption, {projectFolder})) break;
      folder = projectFolder;
    } else {
      if (!ask(kPickQuestion, kPickCaption, {path, vox::core::projectNameFromId(project->getProjectID())})) break;
      const std::optional<std::wstring> picked = pickDrawing(name, projectFolder);
      if (!picked) break;
      folder = vox::os::folderOf(*picked);
    }
    if (repairPaths(project, folder->c_str())) {
      repaired = true;
      break;
    }
    from = *missing + 1;
  }
  if (!repaired) return false;
  saveRepairedProject(*project);
  return true;
}

void VoxPrmProjectManager::saveRepairedProject(VoxPrmProject& project) {
  const std::wstring& id = project.getProjectID();
  if (lockProjectFile(id.c_str())) {
    if (!project.writeProject(nullptr)) showError(kWriteFailed, kWriteFailedCaption, {id});
    unlockProjectFile(id.c_str());
    return;
  }
  std::wstring holder;
  const _lockStatus status = whoHasProjectFileLocked(id.c_str(), holder);
  if (const unsigned message = notSavedMessage(status)) showError(message, kNotSavedCaption, {id, holder});
}
