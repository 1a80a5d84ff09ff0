#pragma once
// File queries and actions on module paths (see WinPath.h); each maps the path to its native
// form through the process's root table first. A path that cannot be mapped does not exist.

#include <cstddef>
#include <ctime>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/os/OsError.h"
#include "platform/os/ReplaceFile.h"  // replacing a file's content safely

namespace vox::os {

bool pathExists(const std::wstring& path);
bool fileExists(const std::wstring& path);  // a regular file (or a link to one)
bool folderExists(const std::wstring& path);

// Read-only attribute: the file has no write permission bit at all.
bool isReadOnly(const std::wstring& path);
// From one look (links followed): empty when `path` is no regular file, else whether it is
// read-only as isReadOnly tells.
std::optional<bool> regularFileReadOnly(const std::wstring& path);
// Setting read-only clears every write bit; clearing it gives the owner write permission.
bool setReadOnly(const std::wstring& path, bool readOnly, OsError* error = nullptr);
// Hidden attribute: has no meaning on this platform; succeeds when the path exists.
bool setHidden(const std::wstring& path, bool hidden);
// The folder can be listed and written.
bool folderAccessible(const std::wstring& path);

bool removeFile(const std::wstring& path, OsError* error = nullptr);
// Makes one folder (its parent must exist), readable and writable as the user's umask allows.
bool createFolder(const std::wstring& path, OsError* error = nullptr);
// Copies a regular file's content to `to`, replacing an existing file when `overwrite` is set
// (else EEXIST).
bool copyFile(const std::wstring& from, const std::wstring& to, bool overwrite, OsError* error = nullptr);
// Renames a file or folder; never replaces: an existing `to` fails with EEXIST.
bool renameFile(const std::wstring& from, const std::wstring& to, OsError* error = nullptr);

// Size in bytes and last modification time of a regular file (links followed).
struct FileStatus {
  long long size = 0;
  std::time_t modified = 0;
};
std::optional<FileStatus> fileStatus(const std::wstring& path);

std::wstring currentFolder();
// `path` made absolute against the current folder and canonicalized.
std::wstring fullPath(std::wstring_view path);

// A file open for reading; others may read and write it meanwhile. Opening never waits (a FIFO
// without a writer opens at once); a folder fails with EISDIR. Anything else that is no regular
// file (a FIFO, a device) opens, and tells so through isRegular, so a caller that wants a file
// can refuse it before reading.
class InputFile {
 public:
  static std::optional<InputFile> open(const std::wstring& path, OsError* error = nullptr);

  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&& other) noexcept;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile();

  bool isRegular() const { return regular_; }
  // The size when opened (0 for what is no regular file).
  long long size() const { return size_; }

  // The whole content from the start of the file; fails with EFBIG, `out` empty, when it holds
  // more than `limit` bytes (it may have grown since it was opened).
  bool readAll(std::string& out, OsError* error = nullptr,
               std::size_t limit = std::numeric_limits<std::size_t>::max()) const;
  // Up to `buffer.size()` bytes at `offset`: how many were read (0 at the end), or empty with
  // the error.
  std::optional<std::size_t> readAt(long long offset, std::span<char> buffer, OsError* error = nullptr) const;

 private:
  InputFile(int fd, bool regular, long long size) : fd_(fd), regular_(regular), size_(size) {}
  int fd_ = -1;
  bool regular_ = false;
  long long size_ = 0;
};

// Reads a whole file; false with the error when it cannot be opened or read.
bool readFile(const std::wstring& path, std::string& out, OsError* error = nullptr);

}  // namespace vox::os
