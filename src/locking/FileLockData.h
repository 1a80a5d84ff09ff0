#pragma once
// One lock held by this instance: the locked file as it was given, and its held lock file.

#include <string>

#include "locking/LockFile.h"

struct _fileLockData {
  std::wstring filePath;
  _lockFile lockFile;
};
