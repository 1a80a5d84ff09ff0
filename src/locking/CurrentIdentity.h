#pragma once
// This process's lock identity. The full name is the host profile's value "FULLNAME" under the
// product key's "\FixedProfile\General" when there is one, else $FULLNAME, else the account
// database's name for the login. The identity is gathered once per process and again whenever
// the profile's or the environment's value changed (see IdentityCache.h).

#include <string>

#include "locking/LockIdentity.h"

namespace vox::locking {

// The profile key that may hold the user's full name.
std::wstring fullNameProfileKey();
LockIdentity currentLockIdentity();
// The identity text of `who` with the current local date and time.
std::wstring identityTextNow(const LockIdentity& who);
// The current user: the holder from the remembered identity, the text with the time of asking.
OwnIdentity currentOwnIdentity();

}  // namespace vox::locking
