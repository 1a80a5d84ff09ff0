#pragma once
// What the project manager asks of its file notifier and file locker. The manager works without
// either (no monitoring, no locks); the host assembly gives it factories for the real ones.

#include <functional>
#include <memory>
#include <string>

#include "locking/LockStatus.h"

namespace vox::core {

// Watches files of the open projects for changes made by others.
class ProjectFileWatcher {
 public:
  virtual ~ProjectFileWatcher() = default;
  virtual bool monitorFile(const std::wstring& path) = 0;
  virtual bool stopMonitoringFile(const std::wstring& path) = 0;
  virtual void startMonitoring() = 0;
  virtual void stopMonitoring() = 0;
};

// Virtual locks on project files, held by this instance until unlocked.
class ProjectFileLocker {
 public:
  virtual ~ProjectFileLocker() = default;
  virtual bool lockFile(const std::wstring& path) = 0;
  virtual bool unlockFile(const std::wstring& path) = 0;
  virtual bool unlockAllFiles() = 0;
  virtual bool isLocked(const std::wstring& path) = 0;
  virtual _lockStatus whoLocked(const std::wstring& path, std::wstring& holder) = 0;
  virtual _lockStatus whoLocked(const std::wstring& path, std::wstring& holder, std::wstring& machine,
                                std::wstring& time) = 0;
};

// The parts a manager is built with; each may be empty.
struct ManagerParts {
  std::function<std::unique_ptr<ProjectFileWatcher>()> makeWatcher;
  std::function<std::unique_ptr<ProjectFileLocker>()> makeLocker;
};

}  // namespace vox::core
