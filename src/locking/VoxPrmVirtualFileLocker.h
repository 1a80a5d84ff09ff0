#pragma once
// Virtual locks on shared project files. The locked file itself stays writable; a hidden
// companion lock file beside it (the file's whole name followed by ".FLL") names the holder in
// three lines: login; computer and full name; date and time. While this instance holds a lock
// it keeps the lock file open so that others can read it but not write or delete it - that open
// file is the lock, not the file's mere presence. A lock file left by an instance that ended
// without unlocking is held by nobody; the next isLocked or whoLocked from any instance deletes
// it. A lock file that someone holds is never deleted.
//
// Identities compare by holder, "login(machine)", ignoring case: the same user on the same
// computer holds a lock in every instance, so locking a file this user already holds elsewhere
// succeeds (without taking a second lock file).
//
// All paths are module paths; a null or blank path fails. Locks are matched by path ignoring case.

#include <memory>
#include <string>
#include <vector>

#include "locking/FileLockData.h"
#include "locking/LockIdentity.h"
#include "locking/LockStatus.h"

class VoxPrmVirtualFileLocker {
 public:
  // Locks in the name of the current user.
  VoxPrmVirtualFileLocker();
  // Locks in the name that `identity` gives (for a stand-in user).
  explicit VoxPrmVirtualFileLocker(vox::locking::IdentityTextSource identity);
  // Closes the lock files still held without deleting them; call unlockAllFiles first.
  virtual ~VoxPrmVirtualFileLocker();
  VoxPrmVirtualFileLocker(const VoxPrmVirtualFileLocker&) = delete;
  VoxPrmVirtualFileLocker& operator=(const VoxPrmVirtualFileLocker&) = delete;

  // Takes the lock of `path`. True when it is taken now or this user holds it already; false
  // when another user or computer holds it, the file is read-only, or no lock file can be made.
  bool lockFile(const wchar_t* path);
  // Releases a lock this instance holds and deletes its lock file; false for any other path.
  bool unlockFile(const wchar_t* path);
  // Releases every lock this instance holds.
  bool unlockAllFiles();
  // Whether anyone holds `path` (a stale lock file is deleted first), or the file is read-only.
  bool isLocked(const wchar_t* path);

  // Who holds `path`: `text` receives the lock file's raw text (all three lines).
  _lockStatus whoLocked(const wchar_t* path, std::wstring& text);
  // Who holds `path`, as the parsed holder "login(machine)", machine part and time stamp.
  _lockStatus whoLocked(const wchar_t* path, std::wstring& holder, std::wstring& machine, std::wstring& timeStamp);

  // The number of locks this instance holds.
  std::size_t heldLockCount() const { return m_locks.size(); }

 protected:
  // Both public forms: with `machine` and `timeStamp` the parsed parts, without them the raw text
  // into `holder`. Missing file, read-only file and folder access are answered first; a lock
  // file that cannot be read is kLockedHolderUnknown.
  _lockStatus whoLocked(const wchar_t* path, std::wstring* holder, std::wstring* machine, std::wstring* timeStamp);

 private:
  std::vector<std::unique_ptr<_fileLockData>> m_locks;
  vox::locking::OwnIdentity m_identity;
};
