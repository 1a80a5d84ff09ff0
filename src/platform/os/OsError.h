#pragma once
// A failed system call as the file functions of this layer report it.

#include <string>

namespace vox::os {

// Its error number and the platform's description of it.
struct OsError {
  int code = 0;
  std::wstring message;
};
OsError osError(int code);

// Records `code` in `error` when one is asked for; always false, so that a failing path can end
// with `return fail(error, code);`.
inline bool fail(OsError* error, int code) {
  if (error != nullptr) *error = osError(code);
  return false;
}

}  // namespace vox::os
