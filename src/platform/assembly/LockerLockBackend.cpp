#include "platform/assembly/LockerLockBackend.h"

namespace vox::platform {

siblings::LockOutcome LockerLockBackend::lock(const std::wstring& path) {
  std::wstring holder;
  switch (locker_.whoLocked(path.c_str(), holder)) {
    case kNotLocked:
      return locker_.lockFile(path.c_str()) ? siblings::LockOutcome::kTaken : siblings::LockOutcome::kRefused;
    case kLockedByMe: return siblings::LockOutcome::kAlreadyMine;
    default: return siblings::LockOutcome::kRefused;
  }
}

}  // namespace vox::platform
