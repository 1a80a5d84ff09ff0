#include "locking/CurrentIdentity.h"

#include <cstdlib>
#include <ctime>

#include "host/HcHostServices.h"
#include "host/HcSettingsStore.h"
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

}  // namespace

std::wstring fullNameProfileKey() { return hcrxProductKey() + L"\\FixedProfile\\General"; }

LockIdentity currentLockIdentity() {
  LockIdentity who{os::loginName(), os::computerName(), {}};
  who.fullName = chooseFullName(profileFullName(), environmentFullName(),
                                [&who] { return os::accountFullName(who.login); });
  return who;
}

std::wstring identityTextNow(const LockIdentity& who) {
  const std::time_t now = std::time(nullptr);
  return identityText(who, os::longDateText(now), os::timeText(now));
}

IdentityTextSource currentIdentitySource() {
  return [] { return identityTextNow(currentLockIdentity()); };
}

}  // namespace vox::locking
