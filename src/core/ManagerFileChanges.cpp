// The project manager's answers to changes of project files made elsewhere: a changed project
// file is re-read 100 ms after the last notification, lock, task and read-only changes become
// project events.

#include <algorithm>
#include <cwchar>

#include "core/ModuleObjects.h"
#include "core/ProjectNames.h"
#include "core/ReReadWindow.h"
#include "core/VoxPrmProjectManager.h"
#include "host/HcEventLoop.h"
#include "platform/os/CaseMapping.h"

namespace {

constexpr std::size_t kLockSuffixLength = 4;  // ".FLL"

vox::core::ReReadWindow* paletteWindow() {
  vox::core::ReReadWindow* window = vox::core::moduleObjects().paletteWindow;
  return window != nullptr && window->hasLiveWindow() ? window : nullptr;
}

bool isTaskFile(const std::wstring& path) { return vox::os::toUpper(path).find(L"_UPDATE.MDB") != std::wstring::npos; }

}  // namespace

bool VoxPrmProjectManager::setReReadTimer(const std::wstring& path) {
  vox::core::ReReadWindow* window = paletteWindow();
  HcEventLoop* loop = hcEventLoop();
  if (window == nullptr || loop == nullptr) return true;
  const auto arm = [this, window, loop](std::uintptr_t id) {
    loop->setTimer(window->window(), static_cast<unsigned>(id), kReReadDelayMs, false, [id] {
      if (VoxPrmProjectManager* manager = GetProjectManager()) manager->onReReadTimer(id);
    });
  };
  for (const _filetimer& record : m_fileTimers) {
    if (vox::os::iequals(record.path, path)) {
      arm(record.timerID);
      return true;
    }
  }
  const std::uintptr_t id = ++m_timerCounter;
  arm(id);
  m_fileTimers.push_back({path, id});
  return true;
}

void VoxPrmProjectManager::onReReadTimer(std::uintptr_t timerID) {
  vox::core::ReReadWindow* window = paletteWindow();
  if (window != nullptr && hcEventLoop() != nullptr) hcEventLoop()->killTimer(window->window(), static_cast<unsigned>(timerID));
  const auto it = std::find_if(m_fileTimers.begin(), m_fileTimers.end(),
                               [timerID](const _filetimer& record) { return record.timerID == timerID; });
  if (it == m_fileTimers.end()) return;
  const std::wstring path = it->path;
  m_fileTimers.erase(it);
  if (window != nullptr && vox::core::moduleObjects().navigation != nullptr) {
    window->postReReadRequest(getProjectIndex(path.c_str()));
  }
}

bool VoxPrmProjectManager::reReadProject(const wchar_t* projectID) {
  const std::wstring id = resolve(projectID);
  VoxPrmProject* project = getProject(indexOf(id));
  if (project == nullptr) return false;
  onPreProjectReRead(id);
  project = getProject(indexOf(id));  // a handler may have closed it
  if (project == nullptr) return false;
  const std::wstring stored = project->getProjectID();
  if (!project->readProject(stored)) return false;
  onProjectReRead(id);
  return true;
}

void VoxPrmProjectManager::onFileChangedContent(const wchar_t* path) {
  const std::wstring id = resolve(path);
  if (indexOf(id) >= 0) setReReadTimer(id);
}

void VoxPrmProjectManager::onFileChangedReadOnly(const wchar_t* path, bool readOnly) {
  if (path == nullptr || std::wcslen(path) < kLockSuffixLength) return;
  if (const VoxPrmProject* project = getProject(getProjectIndex(path))) onProjectReadOnlyChanged(project->getProjectID(), readOnly);
}

int VoxPrmProjectManager::projectOfLockFile(const wchar_t* path) const {
  if (path == nullptr) return -1;
  const std::wstring lockFile = path;
  if (lockFile.size() < kLockSuffixLength) return -1;
  return getProjectIndex(lockFile.substr(0, lockFile.size() - kLockSuffixLength).c_str());
}

void VoxPrmProjectManager::onTaskOrLockFile(const wchar_t* path, bool created) {
  if (path == nullptr) return;
  if (isTaskFile(path)) {
    std::wstring projectFile;
    if (generateProjectFileNameFromTaskName(path, projectFile) && getProjectIndex(projectFile.c_str()) >= 0) {
      if (created) {
        onProjectTasksAdded(projectFile, path);
      } else {
        onProjectTasksDeleted(projectFile, path);
      }
    }
    return;
  }
  if (const VoxPrmProject* project = getProject(projectOfLockFile(path))) {
    if (created) {
      onProjectLocked(project->getProjectID());
    } else {
      onProjectUnlocked(project->getProjectID());
    }
  }
}

void VoxPrmProjectManager::onFileCreated(const wchar_t* path) { onTaskOrLockFile(path, true); }

void VoxPrmProjectManager::onFileDeleted(const wchar_t* path) { onTaskOrLockFile(path, false); }

void VoxPrmProjectManager::onFileRenamed(const wchar_t* /*oldPath*/, const wchar_t* newPath) {
  if (const VoxPrmProject* project = getProject(projectOfLockFile(newPath))) onProjectUnlocked(project->getProjectID());
}
