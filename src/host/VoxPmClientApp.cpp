// Forwarding of the project-monitor client's functions to the installed service.

#include "host/VoxPmClientApp.h"

#include <cstddef>
#include <utility>

#include "host/VoxSiblingServices.h"

namespace {

VoxPmClientApp* client() { return voxSiblingServices().pmClient; }

// Characters a path may have to fit the client's 260-character buffer with its terminator.
constexpr std::size_t kDatabasePathLimit = 259;

}  // namespace

bool PmOpenProject(const std::wstring& project, const wchar_t* database, int option1, int option2, int option3) {
  return client() != nullptr && client()->openProject(project, database, option1, option2, option3);
}
bool PmCloseProject(const std::wstring& project) { return client() != nullptr && client()->closeProject(project); }
bool PmSetActive(const std::wstring& project) { return client() != nullptr && client()->setActive(project); }
bool PmFlushActive() { return client() != nullptr && client()->flushActive(); }
bool PmSetProjectVar(const std::wstring& project, const std::wstring& name, bool value) {
  return client() != nullptr && client()->setProjectVar(project, name, value);
}
bool PmGetProjectDb(const std::wstring& project, std::wstring& out) {
  std::wstring path;
  if (client() == nullptr || !client()->projectDb(project, path) || path.size() > kDatabasePathLimit) return false;
  out = std::move(path);
  return true;
}
bool PmMonitorFile(const std::wstring& project, const std::wstring& file, bool on) {
  return client() != nullptr && client()->monitorFile(project, file, on);
}
bool PmMonitorFiles(const std::wstring& project, const std::vector<std::wstring>& files, bool on) {
  return client() != nullptr && client()->monitorFiles(project, files, on);
}
bool PmProjectLoaded(const std::wstring& project) { return client() != nullptr && client()->projectLoaded(project); }
bool PmLockFile(const std::wstring& file) { return client() != nullptr && client()->lockFile(file); }
bool PmUnlockFile(const std::wstring& file) { return client() != nullptr && client()->unlockFile(file); }
bool PmRenameStarted(const std::wstring& project, const std::wstring& oldPath) {
  return client() != nullptr && client()->renameStarted(project, oldPath);
}
bool PmRenameCompleted(const std::wstring& project, const std::wstring& oldPath, const wchar_t* newPath) {
  return client() != nullptr && client()->renameCompleted(project, oldPath, newPath);
}
bool PmIsHelperProcess() { return client() != nullptr && client()->isHelperProcess(); }
