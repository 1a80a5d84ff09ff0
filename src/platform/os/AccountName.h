#pragma once
// The full name the account database records for a login.

#include <string>

namespace vox::os {

// The first comma field of the account's comment (GECOS) field; empty when the login is unknown
// or records none.
std::wstring accountFullName(const std::wstring& login);

}  // namespace vox::os
