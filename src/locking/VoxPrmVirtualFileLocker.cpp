#include "locking/VoxPrmVirtualFileLocker.h"

#include <algorithm>

#include "locking/CurrentIdentity.h"
#include "locking/LockDecisions.h"
#include "locking/LockText.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/Files.h"
#include "platform/os/LockedFile.h"
#include "platform/os/WinPath.h"

using namespace vox::locking;

VoxPrmVirtualFileLocker::VoxPrmVirtualFileLocker() : m_identity(currentOwnIdentity()) {}

VoxPrmVirtualFileLocker::VoxPrmVirtualFileLocker(IdentityTextSource identity)
    : m_identity(identityOfText(std::move(identity))) {}

VoxPrmVirtualFileLocker::~VoxPrmVirtualFileLocker() = default;

bool VoxPrmVirtualFileLocker::lockFile(const wchar_t* path) {
  if (path == nullptr || blankPath(path)) return false;  // it would lock ".FLL" in the current folder
  if (isLocked(path)) {
    std::wstring text;
    whoLocked(path, text);
    const std::optional<ParsedLockText> current = parseLockText(text);
    const std::wstring own = m_identity.holder();
    return current && !own.empty() && sameHolder(current->holder, own);
  }
  auto record = std::make_unique<_fileLockData>();
  record->filePath = path;
  record->lockFile.setPath(lockFilePathFor(path));
  if (!record->lockFile.openForWriting()) return false;
  record->lockFile.writeOwnIdentity(m_identity.text);
  m_locks.push_back(std::move(record));
  return true;
}

bool VoxPrmVirtualFileLocker::unlockFile(const wchar_t* path) {
  if (path == nullptr || m_locks.empty()) return false;
  const auto found = std::find_if(m_locks.begin(), m_locks.end(),
                                  [&](const auto& lock) { return vox::os::iequals(lock->filePath, path); });
  if (found == m_locks.end()) return false;
  (*found)->lockFile.closeAndDelete();
  m_locks.erase(found);
  return true;
}

bool VoxPrmVirtualFileLocker::unlockAllFiles() {
  for (const auto& lock : m_locks) lock->lockFile.closeAndDelete();
  m_locks.clear();
  return true;
}

bool VoxPrmVirtualFileLocker::isLocked(const wchar_t* path) {
  if (path == nullptr || blankPath(path)) return false;
  const std::wstring file(path);
  const std::wstring lockPath = lockFilePathFor(file);
  if (vox::os::removeUnheldLockFile(lockPath) == vox::os::StaleLockResult::kHeld) return true;
  if (vox::os::pathExists(lockPath)) return true;  // made again meanwhile
  return vox::os::fileExists(file) && vox::os::isReadOnly(file);
}

_lockStatus VoxPrmVirtualFileLocker::whoLocked(const wchar_t* path, std::wstring& text) {
  return whoLocked(path, &text, nullptr, nullptr);
}

_lockStatus VoxPrmVirtualFileLocker::whoLocked(const wchar_t* path, std::wstring& holder, std::wstring& machine,
                                               std::wstring& timeStamp) {
  return whoLocked(path, &holder, &machine, &timeStamp);
}

_lockStatus VoxPrmVirtualFileLocker::whoLocked(const wchar_t* path, std::wstring* holder, std::wstring* machine,
                                               std::wstring* timeStamp) {
  if (!usablePath(path) || holder == nullptr) return kLockStatusUnknown;
  const std::wstring file(path);
  const std::optional<bool> readOnly = vox::os::regularFileReadOnly(file);
  if (const auto status = fileStatus(readOnly.has_value(), readOnly.value_or(false))) return *status;

  _lockFile lock(lockFilePathFor(file));
  // A lock file that was not there, or was stale and is gone now, leaves nothing to read: one
  // made by someone just now is no different from one made just after this answer.
  bool refused = false;
  if (vox::os::removeUnheldLockFile(lock.path()) != vox::os::StaleLockResult::kHeld || !lock.openForReading(&refused))
    return refused ? kLockedHolderUnknown : statusWithoutLockFile(lockFolderUsable(file));

  std::optional<std::wstring> lockHolder;
  if (machine != nullptr && timeStamp != nullptr) {
    const std::optional<ParsedLockText> parts = lock.readAndParse();
    lock.close();
    if (!parts) return kLockedHolderUnknown;
    *holder = parts->holder;
    *machine = parts->machine;
    *timeStamp = parts->timeStamp;
    lockHolder = parts->holder;
  } else {
    const bool read = lock.readText(*holder);
    lock.close();
    if (!read) return kLockedHolderUnknown;
    if (const std::optional<ParsedLockText> parts = parseLockText(*holder)) lockHolder = parts->holder;
  }
  return statusOfHolder(lockHolder, m_identity.holder());
}
