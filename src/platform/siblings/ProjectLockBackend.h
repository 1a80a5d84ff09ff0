#pragma once
// What takes and releases one lock of the add-on's lock service. The lock service decides which
// files it holds; a backend only does the locking, so the module's own project-file locker can
// stand behind the lock service in place of the default companion lock files.

#include <string>

namespace vox::siblings {

class ProjectLockBackend {
 public:
  virtual ~ProjectLockBackend() = default;
  // Locks `path` for this instance; false when someone (this instance included) holds it.
  virtual bool lock(const std::wstring& path) = 0;
  // Releases a lock that lock() took.
  virtual void unlock(const std::wstring& path) = 0;
};

}  // namespace vox::siblings
