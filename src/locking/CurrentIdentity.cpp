#include "locking/CurrentIdentity.h"

#include <cstdlib>
#include <ctime>

#include "host/HcHostServices.h"
#include "host/HcSettingsStore.h"
#include "locking/IdentityCache.h"
#include "platform/os/AccountName.h"
#include "platform/os/Identity.h"
#include "platform/os/NativePath.h"

namespace vox::locking {
namespace {

std::optional<std::wstring> profileFullName() {
  const HcSettingsStore* store = hcSettingsStore();
  if (store == nullptr) return std::nullopt;
  return store->getString(fullNameProfileKey(), L"FULLNAME");
}

std::optional<std::wstring> environmentFullName() {
  const char* value = std::getenv("FULLNAME");
  if (value == nullptr) return std::nullopt;
  return os::decodeFileName(value);
}

LockIdentity gatherIdentity(const IdentityCache::Value& profile, const IdentityCache::Value& environment) {
  LockIdentity who{os::loginName(), os::computerName(), {}};
  who.fullName = chooseFullName(profile, environment, [&who] { return os::accountFullName(who.login); });
  return who;
}

// One per process: the identity is the process's, whichever locker or status check asks.
IdentityCache& processIdentity() {
  static IdentityCache cache(IdentityCache::Sources{profileFullName, environmentFullName, gatherIdentity});
  return cache;
}

}  // namespace

std::wstring fullNameProfileKey() { return hcrxProductKey() + L"\\FixedProfile\\General"; }

LockIdentity currentLockIdentity() { return processIdentity().identity(); }

std::wstring identityTextNow(const LockIdentity& who) {
  const std::time_t now = std::time(nullptr);
  return identityText(who, os::longDateText(now), os::timeText(now));
}

OwnIdentity currentOwnIdentity() {
  return OwnIdentity{[] { return identityTextNow(currentLockIdentity()); }, [] { return processIdentity().holder(); }};
}

}  // namespace vox::locking
