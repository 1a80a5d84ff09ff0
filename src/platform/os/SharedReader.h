#pragma once
// A file open for reading while others may read, write or lock it, read up to a size limit, so
// that a small text file (a lock file) that someone made huge cannot make its reader read it all.
// Only a regular file at the path itself is opened: a symbolic link there is refused (ELOOP),
// and a FIFO or device neither blocks the open nor is read.

#include <cstddef>
#include <optional>
#include <string>

#include "platform/os/Files.h"

namespace vox::os {

class SharedReader {
 public:
  // Empty with the error when `path` cannot be opened (ENOENT when nothing is there, ELOOP for a
  // link), is a folder (EISDIR) or another kind of non-regular file (EINVAL).
  static std::optional<SharedReader> open(const std::wstring& path, OsError* error = nullptr);

  SharedReader(SharedReader&& other) noexcept;
  SharedReader& operator=(SharedReader&& other) noexcept;
  SharedReader(const SharedReader&) = delete;
  SharedReader& operator=(const SharedReader&) = delete;
  ~SharedReader();

  // The whole content when it is shorter than `limit` bytes; empty when the file holds `limit`
  // bytes or more, or cannot be read.
  std::optional<std::string> readBelow(std::size_t limit) const;

 private:
  explicit SharedReader(int fd) : fd_(fd) {}
  int fd_ = -1;
};

}  // namespace vox::os
