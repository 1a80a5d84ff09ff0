#include "platform/os/LockedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/os/NativeFile.h"
#include "platform/os/NativePath.h"

namespace vox::os {
namespace {

// A path whose file keeps being replaced under us is given up after this many tries.
constexpr int kAttempts = 16;

// Whether `native` still names the file open as `fd` (a link to it put in its place does not).
bool stillNamed(int fd, const std::string& native, LockedFile::Links links) {
  struct stat open {};
  struct stat named {};
  const int namedResult =
      links == LockedFile::Links::kFollow ? ::stat(native.c_str(), &named) : ::lstat(native.c_str(), &named);
  return ::fstat(fd, &open) == 0 && namedResult == 0 && open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// O_NONBLOCK keeps a FIFO or device planted at the path from blocking the open; it changes
// nothing for the regular files that are kept.
int openFlags(bool create, LockedFile::Links links) {
  return O_RDWR | O_CLOEXEC | O_NONBLOCK | (create ? O_CREAT : 0) | (links == LockedFile::Links::kRefuse ? O_NOFOLLOW : 0);
}

}  // namespace

std::optional<LockedFile> LockedFile::acquire(const std::wstring& path, Disposition disposition, OsError* error,
                                              Links links) {
  const std::optional<std::string> native = toNative(path);
  if (!native) {
    fail(error, ENOENT);
    return std::nullopt;
  }
  const int flags = openFlags(disposition == Disposition::kOpenOrCreate, links);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const int fd = ::open(native->c_str(), flags, 0666);
    if (fd < 0) {
      fail(error, errno);
      return std::nullopt;
    }
    if (!native::isRegular(fd)) {
      ::close(fd);
      fail(error, EISDIR);
      return std::nullopt;
    }
    if (!native::tryLock(fd)) {
      const int code = errno == EACCES ? EAGAIN : errno;
      ::close(fd);
      fail(error, code);
      return std::nullopt;
    }
    if (stillNamed(fd, *native, links)) return LockedFile(fd, *native, links);
    ::close(fd);  // removed or replaced between open and lock: take the current file instead
  }
  fail(error, EAGAIN);
  return std::nullopt;
}

LockedFile::LockedFile(LockedFile&& other) noexcept
    : fd_(other.fd_), native_(std::move(other.native_)), links_(other.links_) {
  other.fd_ = -1;
}

LockedFile& LockedFile::operator=(LockedFile&& other) noexcept {
  if (this != &other) {
    release();
    fd_ = other.fd_;
    native_ = std::move(other.native_);
    links_ = other.links_;
    other.fd_ = -1;
  }
  return *this;
}

LockedFile::~LockedFile() { release(); }

void LockedFile::release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool LockedFile::replaceContent(std::string_view bytes, OsError* error) const {
  if (fd_ < 0) return fail(error, EBADF);
  if (::ftruncate(fd_, 0) != 0) return fail(error, errno);
  off_t offset = 0;
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd_, bytes.data(), bytes.size(), offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail(error, n == 0 ? EIO : errno);
    bytes.remove_prefix(static_cast<std::size_t>(n));
    offset += n;
  }
  return ::fsync(fd_) == 0 || fail(error, errno);
}

bool LockedFile::removeAndRelease(OsError* error) {
  if (fd_ < 0) return fail(error, EBADF);
  bool removed = false;
  if (!stillNamed(fd_, native_, links_)) {
    fail(error, ENOENT);
  } else if (::unlink(native_.c_str()) != 0) {
    fail(error, errno);
  } else {
    removed = true;
  }
  release();
  return removed;
}

bool lockableNow(const std::wstring& path) {
  const std::optional<std::string> native = toNative(path);
  if (!native) return false;
  const int fd = ::open(native->c_str(), openFlags(false, LockedFile::Links::kFollow));
  if (fd < 0) return false;
  const bool lockable = native::tryLock(fd);
  ::close(fd);
  return lockable;
}

StaleLockResult removeUnheldLockFile(const std::wstring& path) {
  const std::optional<std::string> native = toNative(path);
  if (!native) return StaleLockResult::kAbsent;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const int fd = ::open(native->c_str(), openFlags(false, LockedFile::Links::kRefuse));
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? StaleLockResult::kAbsent : StaleLockResult::kHeld;
    if (!native::isRegular(fd) || !native::tryLock(fd)) {
      ::close(fd);
      return StaleLockResult::kHeld;
    }
    if (!stillNamed(fd, *native, LockedFile::Links::kRefuse)) {
      ::close(fd);  // someone removed it meanwhile; look at what the path names now
      continue;
    }
    const bool removed = ::unlink(native->c_str()) == 0;
    ::close(fd);
    return removed ? StaleLockResult::kRemoved : StaleLockResult::kHeld;
  }
  return StaleLockResult::kHeld;
}

}  // namespace vox::os
