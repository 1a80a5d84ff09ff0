#include "platform/os/Files.h"

#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>

#include "platform/os/NativePath.h"
#include "platform/os/WinPath.h"

namespace vox::os {
namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

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

std::optional<bool> regularFileReadOnly(const std::wstring& path) {
  const auto st = statPath(path);
  if (!st || !S_ISREG(st->st_mode)) return std::nullopt;
  return (st->st_mode & kWriteBits) == 0;
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

bool createFolder(const std::wstring& path, OsError* error) {
  const std::optional<std::string> native = toNative(path);
  if (!native) return fail(error, ENOENT);
  if (::mkdir(native->c_str(), 0777) != 0) return fail(error, errno);
  return true;
}

bool copyFile(const std::wstring& from, const std::wstring& to, bool overwrite, OsError* error) {
  const std::optional<std::string> nativeFrom = toNative(from);
  const std::optional<std::string> nativeTo = toNative(to);
  if (!nativeFrom || !nativeTo) return fail(error, ENOENT);
  std::error_code code;
  const auto options = overwrite ? std::filesystem::copy_options::overwrite_existing : std::filesystem::copy_options::none;
  if (std::filesystem::copy_file(*nativeFrom, *nativeTo, options, code)) return true;
  return fail(error, code ? code.value() : EEXIST);
}

bool renameFile(const std::wstring& from, const std::wstring& to, OsError* error) {
  const std::optional<std::string> nativeFrom = toNative(from);
  const std::optional<std::string> nativeTo = toNative(to);
  if (!nativeFrom || !nativeTo) return fail(error, ENOENT);
  if (::renameat2(AT_FDCWD, nativeFrom->c_str(), AT_FDCWD, nativeTo->c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL) return fail(error, errno);
  // A file system without the no-replace flag: check first, then rename.
  struct stat st {};
  if (::lstat(nativeTo->c_str(), &st) == 0) return fail(error, EEXIST);
  if (::rename(nativeFrom->c_str(), nativeTo->c_str()) != 0) return fail(error, errno);
  return true;
}

std::optional<FileStatus> fileStatus(const std::wstring& path) {
  const auto st = statPath(path);
  if (!st || !S_ISREG(st->st_mode)) return std::nullopt;
  return FileStatus{static_cast<long long>(st->st_size), st->st_mtim.tv_sec};
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
  // Without O_NONBLOCK opening a FIFO waits for a writer; reads block again afterwards.
  const int fd = ::open(native->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    fail(error, errno);
    return std::nullopt;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    const int code = S_ISDIR(st.st_mode) ? EISDIR : errno;
    ::close(fd);
    fail(error, code);
    return std::nullopt;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  const bool regular = S_ISREG(st.st_mode);
  return InputFile(fd, regular, regular ? static_cast<long long>(st.st_size) : 0);
}

InputFile::InputFile(InputFile&& other) noexcept : fd_(other.fd_), regular_(other.regular_), size_(other.size_) {
  other.fd_ = -1;
}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    regular_ = other.regular_;
    size_ = other.size_;
    other.fd_ = -1;
  }
  return *this;
}

InputFile::~InputFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool InputFile::readAll(std::string& out, OsError* error, std::size_t limit) const {
  out.clear();
  if (size_ > 0) out.reserve(std::min(static_cast<std::size_t>(size_), limit));
  char buffer[1 << 16];
  for (long long offset = 0;;) {
    const std::optional<std::size_t> n = readAt(offset, buffer, error);
    if (!n) return false;
    if (*n == 0) return true;
    if (out.size() + *n > limit) {
      out.clear();
      return fail(error, EFBIG);
    }
    out.append(buffer, *n);
    offset += static_cast<long long>(*n);
  }
}

std::optional<std::size_t> InputFile::readAt(long long offset, std::span<char> buffer, OsError* error) const {
  for (;;) {
    const ssize_t n = ::pread(fd_, buffer.data(), buffer.size(), static_cast<off_t>(offset));
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno == EINTR) continue;
    // A FIFO or a terminal cannot be read at an offset: read what comes.
    if (errno == ESPIPE) {
      const ssize_t m = ::read(fd_, buffer.data(), buffer.size());
      if (m >= 0) return static_cast<std::size_t>(m);
      if (errno == EINTR) continue;
    }
    fail(error, errno);
    return std::nullopt;
  }
}

bool readFile(const std::wstring& path, std::string& out, OsError* error) {
  const std::optional<InputFile> file = InputFile::open(path, error);
  return file && file->readAll(out, error);
}

}  // namespace vox::os
