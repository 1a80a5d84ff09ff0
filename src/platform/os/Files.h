#pragma once
// File queries and actions on module paths (see WinPath.h); each maps the path to its native
// form through the process's root table first. A path that cannot be mapped does not exist.

#include <optional>
#include <string>
#include <string_view>

namespace vox::os {

// A failed system call: its error number and the platform's description of it.
struct OsError {
  int code = 0;
  std::wstring message;
};
OsError osError(int code);

bool pathExists(const std::wstring& path);
bool fileExists(const std::wstring& path);  // a regular file (or a link to one)
bool folderExists(const std::wstring& path);

// Read-only attribute: the file has no write permission bit at all.
bool isReadOnly(const std::wstring& path);
// Setting read-only clears every write bit; clearing it gives the owner write permission.
bool setReadOnly(const std::wstring& path, bool readOnly, OsError* error = nullptr);
// Hidden attribute: has no meaning on this platform; succeeds when the path exists.
bool setHidden(const std::wstring& path, bool hidden);
// The folder can be listed and written.
bool folderAccessible(const std::wstring& path);

bool removeFile(const std::wstring& path, OsError* error = nullptr);

std::wstring currentFolder();
// `path` made absolute against the current folder and canonicalized.
std::wstring fullPath(std::wstring_view path);

// A file open for reading; others may read and write it meanwhile.
class InputFile {
 public:
  static std::optional<InputFile> open(const std::wstring& path, OsError* error = nullptr);

  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&& other) noexcept;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile();

  // The whole content from the start of the file.
  bool readAll(std::string& out, OsError* error = nullptr) const;

 private:
  explicit InputFile(int fd) : fd_(fd) {}
  int fd_ = -1;
};

// Replaces a file's content safely. `open` checks that the target can be written (an existing
// read-only target fails, as does a folder that does not exist) and creates a missing target
// empty. The content is collected in memory; `commit` writes it to a temporary file in the same
// folder, flushes it to disk, checks its size, gives it the target's permission bits and renames
// it over the target, so the old content stays whole until the new one is complete. Where the
// folder refuses new files but the target is writable, the target is rewritten in place.
// A link is followed: the file it names is replaced. Without `commit` nothing is changed.
class ReplaceFile {
 public:
  static std::optional<ReplaceFile> open(const std::wstring& target, OsError* error = nullptr);

  void append(std::string_view bytes) { content_ += bytes; }
  std::string& content() { return content_; }
  bool commit(OsError* error = nullptr);

 private:
  ReplaceFile(std::string nativeTarget, unsigned mode) : target_(std::move(nativeTarget)), mode_(mode) {}
  bool commitInPlace(OsError* error);

  std::string target_;
  unsigned mode_ = 0;
  std::string content_;
};

// Reads a whole file; false with the error when it cannot be opened or read.
bool readFile(const std::wstring& path, std::string& out, OsError* error = nullptr);

}  // namespace vox::os
