#include "platform/siblings/AddOnLockService.h"

#include <algorithm>

#include "platform/os/CaseMapping.h"

namespace vox::siblings {

AddOnLockService::~AddOnLockService() {
  for (const HeldLock& lock : held_) lock.backend->unlock(lock.path);
}

ProjectLockBackend& AddOnLockService::backendFor(bool drawings) {
  if (drawings) return drawingLocks_;
  return projectBackend_ != nullptr ? *projectBackend_ : defaultProjectLocks_;
}

std::vector<AddOnLockService::HeldLock>::iterator AddOnLockService::findHeld(const std::wstring& path) {
  return std::find_if(held_.begin(), held_.end(), [&](const HeldLock& lock) { return os::iequals(lock.path, path); });
}

bool AddOnLockService::holds(const std::wstring& path) const {
  return std::any_of(held_.begin(), held_.end(), [&](const HeldLock& lock) { return os::iequals(lock.path, path); });
}

bool AddOnLockService::lock(const std::vector<std::wstring>& files, bool take, bool drawings,
                            std::vector<std::wstring>& locked) {
  ProjectLockBackend& backend = backendFor(drawings);
  bool all = true;
  for (const std::wstring& file : files) {
    if (holds(file)) continue;  // locked earlier: the earlier request's list releases it
    const LockOutcome outcome = backend.lock(file);
    if (outcome == LockOutcome::kRefused) all = false;
    if (outcome != LockOutcome::kTaken) continue;
    if (!take) {
      backend.unlock(file);
      continue;
    }
    held_.push_back(HeldLock{file, &backend});
    locked.push_back(file);
  }
  return all;
}

bool AddOnLockService::unlock(const std::vector<std::wstring>& files) {
  bool all = true;
  for (const std::wstring& file : files) {
    const auto found = findHeld(file);
    if (found == held_.end()) {
      all = false;
      continue;
    }
    found->backend->unlock(found->path);
    held_.erase(found);
  }
  return all;
}

}  // namespace vox::siblings
