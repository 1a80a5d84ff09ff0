#include "locking/LockIdentity.h"

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

}  // namespace vox::locking
