#include "platform/siblings/CompanionLockFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <ctime>
#include <optional>
#include <string>

#include "platform/os/Identity.h"
#include "platform/os/NarrowCodec.h"
#include "platform/os/NativePath.h"

namespace vox::siblings {

namespace {

bool writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return ::fsync(fd) == 0;
}

bool lockWholeFile(int fd) {
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// Creates the lock file `native` exclusively and fills it; -1 when it exists or cannot be made.
int createLockFile(const std::string& native) {
  const int fd = ::open(native.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return -1;
  const std::string text = os::narrowCodec().encode(os::currentHolderText(std::time(nullptr)));
  if (!lockWholeFile(fd) || !writeAll(fd, text)) {
    ::unlink(native.c_str());
    ::close(fd);
    return -1;
  }
  return fd;
}

void removeLockFile(const std::wstring& path) {
  if (const std::optional<std::string> native = os::toNative(CompanionLockFiles::lockFilePath(path))) {
    ::unlink(native->c_str());
  }
}

}  // namespace

HeldLockFile::~HeldLockFile() {
  if (fd_ >= 0) ::close(fd_);
}

CompanionLockFiles::~CompanionLockFiles() {
  for (const auto& [path, file] : held_) removeLockFile(path);
}

LockOutcome CompanionLockFiles::lock(const std::wstring& path) {
  if (path.empty()) return LockOutcome::kRefused;
  if (held_.contains(path)) return LockOutcome::kAlreadyMine;
  const std::optional<std::string> native = os::toNative(lockFilePath(path));
  if (!native) return LockOutcome::kRefused;
  const int fd = createLockFile(*native);
  if (fd < 0) return LockOutcome::kRefused;
  held_.emplace(path, HeldLockFile(fd));
  return LockOutcome::kTaken;
}

void CompanionLockFiles::unlock(const std::wstring& path) {
  const auto found = held_.find(path);
  if (found == held_.end()) return;
  // Deleted while still held, so no other instance can take it over in between.
  removeLockFile(found->first);
  held_.erase(found);
}

}  // namespace vox::siblings
