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

}  // namespace vox::os
