#pragma once
// Locks as companion lock files: the lock of a file at path P is the file P followed by ".FLL"
// in the same folder, holding this process's identity text (login; computer and full name;
// date and time) in the narrow code page. Taking a lock creates the lock file exclusively, so a
// lock file that exists already - held by another instance, or left behind by one that died -
// refuses the lock; one that this object holds already is this user's. While held, the lock file stays open with an exclusive open-file-description
// write lock, which is what other instances test to tell a held lock from a stale one.
// Releasing deletes the lock file. Paths are module paths (see platform/os/WinPath.h).

#include <map>
#include <string>

#include "platform/siblings/CaseInsensitiveLess.h"
#include "platform/siblings/ProjectLockBackend.h"

namespace vox::siblings {

// An open lock file; closing it releases the open-file-description lock.
class HeldLockFile {
 public:
  explicit HeldLockFile(int fd) : fd_(fd) {}
  HeldLockFile(HeldLockFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  HeldLockFile& operator=(HeldLockFile&&) = delete;
  HeldLockFile(const HeldLockFile&) = delete;
  HeldLockFile& operator=(const HeldLockFile&) = delete;
  ~HeldLockFile();

 private:
  int fd_ = -1;
};

class CompanionLockFiles : public ProjectLockBackend {
 public:
  CompanionLockFiles() = default;
  CompanionLockFiles(const CompanionLockFiles&) = delete;
  CompanionLockFiles& operator=(const CompanionLockFiles&) = delete;
  // Deletes the lock files still held.
  ~CompanionLockFiles() override;

  LockOutcome lock(const std::wstring& path) override;
  void unlock(const std::wstring& path) override;

  // The lock file of `path`.
  static std::wstring lockFilePath(const std::wstring& path) { return path + L".FLL"; }

 private:
  std::map<std::wstring, HeldLockFile, CaseInsensitiveLess> held_;
};

}  // namespace vox::siblings
