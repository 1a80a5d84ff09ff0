#include "locking/IdentityCache.h"

namespace vox::locking {

void IdentityCache::refresh() {
  Value profile = sources_.profileFullName();
  Value environment = sources_.environmentFullName();
  if (gathered_ && profile == profile_ && environment == environment_) return;
  identity_ = sources_.gather(profile, environment);
  holder_ = holderOf(identity_);
  profile_ = std::move(profile);
  environment_ = std::move(environment);
  gathered_ = true;
}

LockIdentity IdentityCache::identity() {
  const std::lock_guard<std::mutex> guard(mutex_);
  refresh();
  return identity_;
}

std::wstring IdentityCache::holder() {
  const std::lock_guard<std::mutex> guard(mutex_);
  refresh();
  return holder_;
}

}  // namespace vox::locking
