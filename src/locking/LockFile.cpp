#include "locking/LockFile.h"

#include <cerrno>

#include "locking/LockDecisions.h"
#include "platform/os/Files.h"
#include "platform/os/NarrowCodec.h"
#include "platform/os/WinPath.h"

bool vox::locking::lockFolderUsable(const std::wstring& path) {
  const std::wstring folder = os::folderOf(path);
  return !folderNeedsCheck(folder) || os::folderAccessible(folder);
}

bool _lockFile::openForReading(bool* refused) {
  close();
  vox::os::OsError error;
  m_reader = vox::os::SharedReader::open(m_path, &error);
  m_openedForReading = true;
  // A link in place of the file is refused without being followed, even when it leads nowhere.
  if (refused != nullptr)
    *refused = !m_reader && (error.code == ELOOP || (error.code != ENOENT && vox::os::pathExists(m_path)));
  return m_reader.has_value();
}

bool _lockFile::openForWriting() {
  close();
  m_holder = vox::os::LockedFile::acquire(m_path, vox::os::LockedFile::Disposition::kOpenOrCreate);
  m_openedForReading = false;
  return m_holder.has_value();
}

void _lockFile::close() {
  m_reader.reset();
  m_holder.reset();
}

bool _lockFile::closeAndDelete() {
  m_reader.reset();
  if (!m_holder) return false;
  const bool removed = m_holder->removeAndRelease();
  m_holder.reset();
  return removed;
}

bool _lockFile::readText(std::wstring& text) const {
  if (!m_reader) return false;
  const std::optional<std::string> bytes = m_reader->readBelow(kTextLimit);
  if (!bytes) return false;
  text = vox::os::narrowCodec().decode(*bytes);
  return true;
}

bool _lockFile::writeText(const std::wstring& text) const {
  if (!m_holder || m_path.empty()) return false;
  if (!m_holder->replaceContent(vox::os::narrowCodec().encode(text))) return false;
  return vox::os::setHidden(m_path, true);
}

bool _lockFile::writeOwnIdentity(const vox::locking::IdentityTextSource& identity) const {
  return identity && writeText(identity());
}

std::optional<vox::locking::ParsedLockText> _lockFile::readAndParse() const {
  std::wstring text;
  if (!readText(text)) return std::nullopt;
  return vox::locking::parseLockText(text);
}
