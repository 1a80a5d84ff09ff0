#include "platform/os/Files.h"

#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/os/NativePath.h"
#include "platform/os/WinPath.h"

namespace vox::os {
namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

bool fail(OsError* error, int code) {
  if (error != nullptr) *error = osError(code);
  return false;
}

std::optional<struct stat> statNative(const std::string& native) {
  struct stat st {};
  if (::stat(native.c_str(), &st) != 0) return std::nullopt;
  return st;
}

std::optional<struct stat> statPath(const std::wstring& path) {
  const std::optional<std::string> native = toNative(path);
  if (!native) return std::nullopt;
  return statNative(*native);
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Follows links so that replacing the file keeps the link.
std::string resolveLinks(const std::string& native) {
  struct stat st {};
  if (::lstat(native.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return native;
  char resolved[PATH_MAX];
  if (::realpath(native.c_str(), resolved) == nullptr) return native;
  return resolved;
}

std::string nativeFolderOf(const std::string& native) {
  const std::size_t slash = native.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return native.substr(0, slash);
}

std::string nativeNameOf(const std::string& native) {
  const std::size_t slash = native.rfind('/');
  return slash == std::string::npos ? native : native.substr(slash + 1);
}

}  // namespace

OsError osError(int code) {
  char buffer[256];
  const char* text = ::strerror_r(code, buffer, sizeof buffer);  // GNU form
  return OsError{code, decodeFileName(text)};
}

bool pathExists(const std::wstring& path) { return statPath(path).has_value(); }

bool fileExists(const std::wstring& path) {
  const auto st = statPath(path);
  return st && S_ISREG(st->st_mode);
}

bool folderExists(const std::wstring& path) {
  const auto st = statPath(path);
  return st && S_ISDIR(st->st_mode);
}

bool isReadOnly(const std::wstring& path) {
  const auto st = statPath(path);
  return st && (st->st_mode & kWriteBits) == 0;
}

bool setReadOnly(const std::wstring& path, bool readOnly, OsError* error) {
  const std::optional<std::string> native = toNative(path);
  if (!native) return fail(error, ENOENT);
  const auto st = statNative(*native);
  if (!st) return fail(error, errno);
  const mode_t mode = readOnly ? (st->st_mode & ~kWriteBits) : (st->st_mode | S_IWUSR);
  if (::chmod(native->c_str(), mode & 07777) != 0) return fail(error, errno);
  return true;
}

bool setHidden(const std::wstring& path, bool /*hidden*/) { return pathExists(path); }

bool folderAccessible(const std::wstring& path) {
  const std::optional<std::string> native = toNative(path);
  return native && folderExists(path) && ::access(native->c_str(), R_OK | W_OK | X_OK) == 0;
}

bool removeFile(const std::wstring& path, OsError* error) {
  const std::optional<std::string> native = toNative(path);
  if (!native) return fail(error, ENOENT);
  if (::unlink(native->c_str()) != 0) return fail(error, errno);
  return true;
}

std::wstring currentFolder() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return L"\\";
  return fromNative(buffer);
}

std::wstring fullPath(std::wstring_view path) { return qualify(path, currentFolder()); }

std::optional<InputFile> InputFile::open(const std::wstring& path, OsError* error) {
  const std::optional<std::string> native = toNative(path);
  if (!native) {
    fail(error, ENOENT);
    return std::nullopt;
  }
  const int fd = ::open(native->c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    fail(error, errno);
    return std::nullopt;
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    fail(error, EISDIR);
    return std::nullopt;
  }
  return InputFile(fd);
}

InputFile::InputFile(InputFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

InputFile::~InputFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool InputFile::readAll(std::string& out, OsError* error) const {
  out.clear();
  struct stat st {};
  if (::fstat(fd_, &st) == 0 && st.st_size > 0) out.reserve(static_cast<std::size_t>(st.st_size));
  off_t offset = 0;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::pread(fd_, buffer, sizeof buffer, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail(error, errno);
    if (n == 0) return true;
    out.append(buffer, static_cast<std::size_t>(n));
    offset += n;
  }
}

std::optional<ReplaceFile> ReplaceFile::open(const std::wstring& target, OsError* error) {
  const std::optional<std::string> mapped = toNative(target);
  if (!mapped) {
    fail(error, ENOENT);
    return std::nullopt;
  }
  const std::string native = resolveLinks(*mapped);
  if (const auto st = statNative(native)) {
    if (S_ISDIR(st->st_mode)) {
      fail(error, EISDIR);
      return std::nullopt;
    }
    if ((st->st_mode & kWriteBits) == 0 || ::access(native.c_str(), W_OK) != 0) {
      fail(error, EACCES);
      return std::nullopt;
    }
    return ReplaceFile(native, st->st_mode & 07777);
  }
  const int fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    fail(error, errno);
    return std::nullopt;
  }
  struct stat st {};
  const bool statted = ::fstat(fd, &st) == 0;
  ::close(fd);
  return ReplaceFile(native, statted ? (st.st_mode & 07777) : 0644);
}

bool ReplaceFile::commit(OsError* error) {
  std::string temp = nativeFolderOf(target_) + "/." + nativeNameOf(target_) + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    if (errno == EACCES || errno == EPERM) return commitInPlace(error);
    return fail(error, errno);
  }
  ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  struct stat st {};
  bool ok = writeAll(fd, content_) && ::fsync(fd) == 0;
  if (ok && (::fstat(fd, &st) != 0 || static_cast<std::size_t>(st.st_size) != content_.size())) {
    errno = EIO;
    ok = false;
  }
  ok = ok && ::fchmod(fd, static_cast<mode_t>(mode_)) == 0;
  int savedErrno = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    savedErrno = errno;
  }
  if (ok && ::rename(temp.c_str(), target_.c_str()) != 0) {
    ok = false;
    savedErrno = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return fail(error, savedErrno);
  }
  return true;
}

bool ReplaceFile::commitInPlace(OsError* error) {
  const int fd = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return fail(error, errno);
  bool ok = writeAll(fd, content_) && ::fsync(fd) == 0;
  int savedErrno = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    savedErrno = errno;
  }
  return ok ? true : fail(error, savedErrno);
}

bool readFile(const std::wstring& path, std::string& out, OsError* error) {
  const std::optional<InputFile> file = InputFile::open(path, error);
  return file && file->readAll(out, error);
}

}  // namespace vox::os
