#include "platform/os/SharedReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/os/NativePath.h"

namespace vox::os {

std::optional<SharedReader> SharedReader::open(const std::wstring& path, OsError* error) {
  const std::optional<std::string> native = toNative(path);
  const int fd = native ? ::open(native->c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK) : -1;
  if (fd < 0) {
    if (error != nullptr) *error = osError(native ? errno : ENOENT);
    return std::nullopt;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    if (error != nullptr) *error = osError(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    return std::nullopt;
  }
  return SharedReader(fd);
}

SharedReader::SharedReader(SharedReader&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

SharedReader& SharedReader::operator=(SharedReader&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

SharedReader::~SharedReader() {
  if (fd_ >= 0) ::close(fd_);
}

std::optional<std::string> SharedReader::readBelow(std::size_t limit) const {
  std::string out(limit, '\0');
  std::size_t done = 0;
  // Reading up to `limit` bytes tells a file of exactly `limit` bytes from a shorter one, even
  // when it grows while we read.
  while (done < limit) {
    const ssize_t n = ::pread(fd_, out.data() + done, limit - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  if (done >= limit) return std::nullopt;
  out.resize(done);
  return out;
}

}  // namespace vox::os
