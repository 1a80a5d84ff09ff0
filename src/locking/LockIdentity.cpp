#include "locking/LockIdentity.h"

#include "locking/LockText.h"

namespace vox::locking {
namespace {

std::wstring piece(const std::wstring& s) { return s.substr(0, kIdentityPieceLimit); }

}  // namespace

std::wstring chooseFullName(const std::optional<std::wstring>& profileValue,
                            const std::optional<std::wstring>& environmentValue,
                            const std::function<std::wstring()>& accountFullName) {
  std::wstring name;
  if (profileValue) {
    if (profileValue->size() <= kProfileFullNameLimit) name = *profileValue;
  } else if (environmentValue) {
    name = *environmentValue;
  }
  if (name.empty() && accountFullName) name = accountFullName();
  return name;
}

std::wstring identityText(const LockIdentity& who, const std::wstring& date, const std::wstring& time) {
  return piece(who.login) + L"\n" + piece(who.computer) + L" " + piece(who.fullName) + L"\n" + piece(date) + L"  " +
         piece(time);
}

std::wstring holderOf(const LockIdentity& who) {
  const std::optional<ParsedLockText> parts = parseLockText(identityText(who, {}, {}));
  return parts ? parts->holder : std::wstring();
}

OwnIdentity identityOfText(IdentityTextSource text) {
  auto holder = [text] {
    const std::optional<ParsedLockText> parts = text ? parseLockText(text()) : std::nullopt;
    return parts ? parts->holder : std::wstring();
  };
  return OwnIdentity{std::move(text), std::move(holder)};
}

}  // namespace vox::locking
