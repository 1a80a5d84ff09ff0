#include "platform/assembly/LockerLockBackend.h"

namespace vox::platform {

bool LockerLockBackend::lock(const std::wstring& path) {
  std::wstring holder;
  if (locker_.whoLocked(path.c_str(), holder) != kNotLocked) return false;
  return locker_.lockFile(path.c_str());
}

}  // namespace vox::platform
