#pragma once
// Files held the way a lock file is held on the systems the project files are shared with: open
// for reading and writing while others may only read. Here that is an exclusive open-file-
// description write lock (fcntl F_OFD_SETLK) on the open file: it is per open file, not per
// process, so two lockers in one process exclude each other too, and it vanishes with the
// holder's process. Nobody waits for a lock: a taken lock is a refusal.
// A lock file is never reached through a symbolic link: anyone who can write in a shared folder
// could plant one to make the locking user create or truncate a file elsewhere. A link (or any
// other non-regular file) where a lock file belongs is refused like a lock held by someone.
// Paths are module paths (see WinPath.h).

#include <optional>
#include <string>
#include <string_view>

#include "platform/os/Files.h"

namespace vox::os {

class LockedFile {
 public:
  enum class Disposition { kOpenOrCreate, kOpenExisting };
  // Whether a symbolic link at the path itself is followed (for a file that is not a lock file,
  // such as a drawing) or refused with ELOOP. Links among the folders above are followed.
  enum class Links { kRefuse, kFollow };

  // Opens `path` for reading and writing and takes its lock; creating the file leaves it empty,
  // an existing file keeps its content until `replaceContent`. Empty when the file cannot be
  // opened, is not a regular file, or its lock is held (error EAGAIN). The lock is taken on the
  // file the path names afterwards too: a file removed or replaced between open and lock is
  // opened again.
  static std::optional<LockedFile> acquire(const std::wstring& path, Disposition disposition,
                                           OsError* error = nullptr, Links links = Links::kRefuse);

  LockedFile(LockedFile&& other) noexcept;
  LockedFile& operator=(LockedFile&& other) noexcept;
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;
  // Releases the lock; the file stays.
  ~LockedFile();

  // Truncates the file, writes `bytes` and flushes them to disk.
  bool replaceContent(std::string_view bytes, OsError* error = nullptr) const;
  // Deletes the file while the lock is still held, so no one can take over the name in between,
  // then releases. A file at the path that is no longer this one is left alone.
  bool removeAndRelease(OsError* error = nullptr);

 private:
  LockedFile(int fd, std::string native, Links links) : fd_(fd), native_(std::move(native)), links_(links) {}
  void release();

  int fd_ = -1;
  std::string native_;
  Links links_ = Links::kRefuse;
};

// Whether the file at `path` (links followed) can be opened for reading and writing and its lock
// taken right now: nobody else has it open that way. The attempt is undone at once.
bool lockableNow(const std::wstring& path);

enum class StaleLockResult {
  kAbsent,   // no file at the path
  kRemoved,  // nobody held its lock: it was deleted
  kHeld,     // its lock is held, or the file cannot be opened for writing: it stays
};

// Deletes the lock file at `path` only when nobody holds it: opens it, takes its lock without
// waiting, and deletes it while holding the lock. A file that exists but cannot be opened for
// writing (a permission or sharing error), a symbolic link and any other non-regular file count
// as held: they stay.
StaleLockResult removeUnheldLockFile(const std::wstring& path);

}  // namespace vox::os
