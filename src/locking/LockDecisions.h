#pragma once
// The status decisions of the locker and of the drawing status, apart from the file system, so
// each rule can be checked on its own.

#include <optional>
#include <string>
#include <string_view>

#include "locking/LockStatus.h"

namespace vox::locking {

// An empty path or one of white space only: it names no file, and taken as a name it would lock
// a file such as "   .FLL" in the current folder.
bool blankPath(std::wstring_view path);

// A path argument the status questions accept: present, not blank and at least 4 characters long.
bool usablePath(const wchar_t* path);

// A file that is not there or is read-only answers before any lock file is looked at.
std::optional<_lockStatus> fileStatus(bool exists, bool readOnly);

// No lock file could be opened: free when its folder can be used, else the folder is the answer.
_lockStatus statusWithoutLockFile(bool folderAccessible);

// A lock file was read: ours when its holder (none when the text did not parse) is our own.
_lockStatus statusOfHolder(const std::optional<std::wstring>& lockHolder, const std::wstring& ownHolder);

// How the drawing is open in this instance.
enum class OpenHere { kNo, kReadOnly, kWritable };

// The host's drawing lock file names a holder. Another holder is another user; our own holder
// is us only when this instance has the drawing open writable (or when the caller asked for the
// raw text only, which skips the look-up).
_lockStatus drawingStatusOfHolder(bool holderIsOwn, bool rawTextOnly, OpenHere open);

// No readable drawing lock file and the drawing cannot be taken for writing: ours when this
// instance has it open writable, else held by someone we cannot name (or the folder is closed).
_lockStatus drawingStatusInUse(OpenHere open, bool folderAccessible);

// The folder check: a folder path that is empty or begins with a control character counts as
// accessible without asking the file system.
bool folderNeedsCheck(const std::wstring& folder);

}  // namespace vox::locking
