#include "platform/settings/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "platform/os/Files.h"
#include "platform/settings/SettingsText.h"

namespace vox::settings {
namespace {

// Tries the lock without blocking until it is granted or `patience` has passed, so a holder
// that never lets go gives an error instead of a hang.
bool lockWithin(int fd, std::chrono::milliseconds patience) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + patience;
  std::chrono::microseconds pause(100);
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    if (Clock::now() >= deadline) {
      errno = EWOULDBLOCK;
      return false;
    }
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::microseconds(10000));
  }
}

}  // namespace

std::optional<FileLock> FileLock::acquire(const std::string& path, std::chrono::milliseconds patience,
                                          std::wstring& error) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    error = L"cannot open the lock file " + displayPath(path) + L": " + os::osError(errno).message;
    return std::nullopt;
  }
  if (!lockWithin(fd, patience)) {
    const int code = errno;
    ::close(fd);
    error = code == EWOULDBLOCK ? L"the settings stay locked by another program (" + displayPath(path) + L")"
                                : L"cannot lock " + displayPath(path) + L": " + os::osError(code).message;
    return std::nullopt;
  }
  return FileLock(fd);
}

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the last descriptor releases the lock
}

}  // namespace vox::settings
