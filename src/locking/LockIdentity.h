#pragma once
// Who holds a lock: the identity text written into lock files, built from the login, the
// computer and the user's full name. The composition rules are pure; CurrentIdentity.h gathers
// the pieces for this process.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace vox::locking {

// Each piece is gathered in a 512-byte buffer with its terminator; longer ones are cut.
inline constexpr std::size_t kIdentityPieceLimit = 511;
// A full name in the host profile is read into a 4096-byte buffer; a longer one reads as empty.
inline constexpr std::size_t kProfileFullNameLimit = 4095;

struct LockIdentity {
  std::wstring login;
  std::wstring computer;
  std::wstring fullName;
};

// Gives the identity text to write or compare, at the moment it is asked.
using IdentityTextSource = std::function<std::wstring()>;

// This instance's side of a lock check: the identity text written into a lock file (with the
// current date and time), and the holder, "login(machine)", that lock texts are compared with.
struct OwnIdentity {
  IdentityTextSource text;
  std::function<std::wstring()> holder;
};

// An identity known by its text only (a stand-in user): its holder is parsed from the text.
OwnIdentity identityOfText(IdentityTextSource text);

// The full name in its order of precedence: the profile value when the profile holds one (even
// an empty one), else the environment's (empty when unset); when that is empty, the account
// database's, asked only then.
std::wstring chooseFullName(const std::optional<std::wstring>& profileValue,
                            const std::optional<std::wstring>& environmentValue,
                            const std::function<std::wstring()>& accountFullName);

// The three lines: login; computer, a blank, full name; date, two blanks, time. Single line
// feeds between them and none at the end; every piece cut to kIdentityPieceLimit characters.
std::wstring identityText(const LockIdentity& who, const std::wstring& date, const std::wstring& time);

// The holder of `who`'s identity text, as parseLockText gives it; date and time play no part.
std::wstring holderOf(const LockIdentity& who);

}  // namespace vox::locking
