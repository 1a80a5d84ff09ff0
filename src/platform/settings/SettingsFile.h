#pragma once
// File actions of the settings store on native paths: knowing whether the file changed,
// reading it whole, replacing it atomically, and keeping an unreadable one aside. Failures come
// back as a message naming the file and the system's reason.

#include <optional>
#include <string>

#include "platform/os/ReplaceFile.h"

namespace vox::settings {

// One version of a file. Every replacement made by writeAtomically gets a new inode and a
// later modification time than the version it replaces, so a changed file never shows the
// stamp of an earlier one.
using FileStamp = os::FileVersion;

// The stamp of the file now; the default stamp when it does not exist or cannot be seen.
FileStamp stampOf(const std::string& path);

struct FileContent {
  enum class Status { kRead, kMissing, kFailed, kTooLarge };
  Status status = Status::kMissing;
  std::string bytes;
  FileStamp stamp;  // of the version read
  std::wstring error;
};

// A settings file is small; one larger than this is not one.
inline constexpr long long kMaxSettingsFileSize = 64LL << 20;

FileContent readSettingsFile(const std::string& path);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over
// `path` (see os::ReplaceFile: a new file gets the permission bits 0600, a link is followed,
// temporaries of killed writes are removed); `previous` is the stamp of the version it
// replaces. The stamp of the new version, or empty with `error` set (and `path` unchanged).
std::optional<FileStamp> writeAtomically(const std::string& path, const std::string& bytes, const FileStamp& previous,
                                         std::wstring& error);

// Renames `path` to the first free `path.corrupt-<n>` and gives that name, or empty with `error`.
std::optional<std::string> setAside(const std::string& path, std::wstring& error);

// Creates the folder and its parents when missing.
bool ensureFolder(const std::string& folder, std::wstring& error);

}  // namespace vox::settings
