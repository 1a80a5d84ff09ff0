#pragma once
// Whether a drawing is in use, in the terms of the project locks. The host writes a drawing lock
// file (the drawing's path with ".dwl" for its last 4 characters) naming the holder while it has
// the drawing open for writing; this reads it and, when it names this user, asks this instance's
// documents whether the drawing is open here for writing. Without a drawing lock file a drawing
// that cannot be taken for writing is in use by an unknown holder.

#include <string>

#include "locking/LockIdentity.h"
#include "locking/LockStatus.h"

// `holder`, `machine` and `timeStamp` receive the parsed holder when all are given; with only
// `holder` it receives the raw text. A null or blank path, one shorter than 4 characters or a null
// `holder` gives kLockStatusUnknown.
_lockStatus getDrawingLockStatus(const wchar_t* path, std::wstring* holder, std::wstring* machine,
                                 std::wstring* timeStamp);

namespace vox::locking {

// getDrawingLockStatus with `identity` as this user.
_lockStatus drawingLockStatus(const wchar_t* path, std::wstring* holder, std::wstring* machine,
                              std::wstring* timeStamp, const OwnIdentity& identity);

}  // namespace vox::locking
