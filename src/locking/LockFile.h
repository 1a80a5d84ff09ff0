#pragma once
// One lock file, ours or someone else's. Opened for writing it is a held lock: created or
// truncated, open for reading and writing, others may only read it. Opened for reading it is a
// look at another holder's file, denying nothing. Reads and writes never throw; a file error
// makes the operation answer false. A symbolic link is never followed, neither to create nor to
// read a lock file: a link where the lock file belongs is a file someone holds closed to us.

#include <optional>
#include <string>

#include "locking/LockIdentity.h"
#include "locking/LockText.h"
#include "platform/os/LockedFile.h"
#include "platform/os/SharedReader.h"

namespace vox::locking {

// Whether the folder of `path` can be used for its lock file: one that needs no check (see
// folderNeedsCheck) or one the file system lets us into.
bool lockFolderUsable(const std::wstring& path);

}  // namespace vox::locking

class _lockFile {
 public:
  // Lock texts of this size or more are not read.
  static constexpr std::size_t kTextLimit = 1024;

  _lockFile() = default;
  explicit _lockFile(std::wstring lockFilePath) : m_path(std::move(lockFilePath)) {}

  const std::wstring& path() const { return m_path; }
  void setPath(std::wstring lockFilePath) { m_path = std::move(lockFilePath); }
  bool isOpen() const { return m_reader.has_value() || m_holder.has_value(); }
  bool isOpenForReading() const { return m_openedForReading && isOpen(); }

  // Opens for reading, sharing everything. Also answers whether the file exists but refused
  // (`refused`): that is a file someone else holds closed to us.
  bool openForReading(bool* refused = nullptr);
  // Creates or opens the file and holds it: others can read it but not write or delete it.
  bool openForWriting();
  // Closes the file; a held lock file stays where it is.
  void close();
  // Deletes a held lock file while still holding it, then closes it; a file only open for
  // reading is just closed.
  bool closeAndDelete();

  // The text of a file open for reading, decoded from the narrow code page; false when the file
  // has kTextLimit bytes or more.
  bool readText(std::wstring& text) const;
  // Writes `text` in the narrow code page into a held lock file and marks it hidden.
  bool writeText(const std::wstring& text) const;
  bool writeOwnIdentity(const vox::locking::IdentityTextSource& identity) const;
  // readText, then parseLockText.
  std::optional<vox::locking::ParsedLockText> readAndParse() const;

 private:
  std::wstring m_path;
  bool m_openedForReading = false;
  std::optional<vox::os::SharedReader> m_reader;
  std::optional<vox::os::LockedFile> m_holder;
};
