#include "locking/LockDecisions.h"

#include <cwchar>

#include "locking/LockText.h"

namespace vox::locking {

bool blankPath(std::wstring_view path) {
  return path.find_first_not_of(L" \t\r\n\v\f") == std::wstring_view::npos;
}

bool usablePath(const wchar_t* path) { return path != nullptr && std::wcslen(path) >= 4 && !blankPath(path); }

std::optional<_lockStatus> fileStatus(bool exists, bool readOnly) {
  if (!exists) return kFileNotFound;
  if (readOnly) return kReadOnly;
  return std::nullopt;
}

_lockStatus statusWithoutLockFile(bool folderAccessible) { return folderAccessible ? kNotLocked : kNoFolderAccess; }

_lockStatus statusOfHolder(const std::optional<std::wstring>& lockHolder, const std::wstring& ownHolder) {
  return lockHolder && sameHolder(*lockHolder, ownHolder) ? kLockedByMe : kLockedByOther;
}

_lockStatus drawingStatusOfHolder(bool holderIsOwn, bool rawTextOnly, OpenHere open) {
  if (!holderIsOwn) return kLockedByOther;
  if (rawTextOnly) return kLockedByMe;
  return open == OpenHere::kWritable ? kLockedByMe : kLockedByOther;
}

_lockStatus drawingStatusInUse(OpenHere open, bool folderAccessible) {
  if (open == OpenHere::kWritable) return kLockedByMe;
  return folderAccessible ? kLockedHolderUnknown : kNoFolderAccess;
}

bool folderNeedsCheck(const std::wstring& folder) {
  if (folder.empty()) return false;
  const auto first = static_cast<unsigned>(folder.front());
  return first >= 0x20 && !(first >= 0x7F && first <= 0x9F);
}

}  // namespace vox::locking
