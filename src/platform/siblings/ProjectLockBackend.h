#pragma once
// What takes and releases one lock of the add-on's lock service. The lock service decides which
// files it holds; a backend only does the locking, so the module's own project-file locker can
// stand behind the lock service in place of the default companion lock files.

#include <string>

namespace vox::siblings {

// What asking a backend for a lock came to.
enum class LockOutcome {
  kTaken,        // locked now; unlock() releases it
  kAlreadyMine,  // this user holds it already (locked earlier); nothing was taken
  kRefused,      // someone else holds it, or no lock can be made
};

class ProjectLockBackend {
 public:
  virtual ~ProjectLockBackend() = default;
  // Locks `path` for this instance.
  virtual LockOutcome lock(const std::wstring& path) = 0;
  // Releases a lock that lock() took.
  virtual void unlock(const std::wstring& path) = 0;
};

}  // namespace vox::siblings
