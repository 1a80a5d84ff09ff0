#pragma once
// The add-on's lock service takes its project-file locks through the module's virtual file
// locker, so they are the same ".FLL" lock files that the project manager and other instances
// read. A file another user or computer holds is refused; one this user holds already, in this
// instance or another, is this user's lock.

#include "locking/VoxPrmVirtualFileLocker.h"
#include "platform/siblings/ProjectLockBackend.h"

namespace vox::platform {

class LockerLockBackend : public siblings::ProjectLockBackend {
 public:
  ~LockerLockBackend() override { locker_.unlockAllFiles(); }
  siblings::LockOutcome lock(const std::wstring& path) override;
  void unlock(const std::wstring& path) override { locker_.unlockFile(path.c_str()); }

 private:
  VoxPrmVirtualFileLocker locker_;
};

}  // namespace vox::platform
