#pragma once
// An exclusive advisory lock on a lock file (flock), held while the object lives. flock locks
// belong to the open file, so two holders in one process exclude each other as two processes
// do; a killed holder's lock goes with it.

#include <chrono>
#include <optional>
#include <string>

namespace vox::settings {

class FileLock {
 public:
  // Opens (creating it if missing) and locks `path`, waiting at most `patience` for another
  // holder; empty with `error` set when the lock cannot be had.
  static std::optional<FileLock> acquire(const std::string& path, std::chrono::milliseconds patience,
                                         std::wstring& error);

  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();

 private:
  explicit FileLock(int fd) : fd_(fd) {}
  int fd_ = -1;
};

}  // namespace vox::settings
