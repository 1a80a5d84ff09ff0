#pragma once
// The lock state of a file. The numeric values are part of the exported interface: LISP callers
// receive them as integers.

enum _lockStatus {
  kLockStatusUnknown = 0,    // argument missing or too short, or the state cannot be told
  kNotLocked = 1,            // nobody holds the file
  kLockedByMe = 2,           // held by this user on this computer
  kLockedByOther = 3,        // held by another user or computer (drawings: or another instance)
  kLockedHolderUnknown = 4,  // held, but the holder cannot be read
  kReadOnly = 5,             // the file itself is read-only
  kFileNotFound = 6,
  kNoFolderAccess = 7,       // the folder cannot be opened for reading and writing
};
