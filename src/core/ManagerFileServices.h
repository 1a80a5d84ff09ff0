#pragma once
// What the project manager asks of its file notifier and file locker. The manager works without
// either (no monitoring, no locks); the host assembly gives it factories for the real ones.

#include <functional>
#include <memory>
#include <string>

#include "locking/LockStatus.h"

namespace vox::core {

// Where a watcher delivers the changes it sees, on the main thread.
struct FileChangeHandlers {
  std::function<void(const std::wstring& path)> changedContent;
  std::function<void(const std::wstring& path, bool readOnly)> changedReadOnly;
  std::function<void(const std::wstring& path)> created;
  std::function<void(const std::wstring& path)> deleted;
  std::function<void(const std::wstring& oldPath, const std::wstring& newPath)> renamed;
};

// Watches files of the open projects for changes made by others.
class ProjectFileWatcher {
 public:
  virtual ~ProjectFileWatcher() = default;
  // Subscribes the handlers (in the order of the struct), or unsubscribes them again.
  virtual void connect(FileChangeHandlers handlers) = 0;
  virtual void disconnect() = 0;
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
