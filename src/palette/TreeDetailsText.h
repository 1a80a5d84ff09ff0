#pragma once
// The pure parts of the project tree's details texts: the lock-state wording, the file-size
// line and the labels of a project's description lines from its title-block label file.

#include <map>
#include <optional>
#include <string>

#include "locking/LockStatus.h"

namespace vox::palette {

// The text for a lock state (the holder's name goes into "locked by"); none for a value that is
// no lock state.
std::optional<std::wstring> lockStatusText(_lockStatus status, const std::wstring& holder);

// "<kilobytes> KB (<bytes> bytes)", or in megabytes above 1023 kilobytes (integer divisions).
std::wstring fileSizeText(long long bytes);

// The labels of a title-block label file: every line holding "LINE" (any case), a number n > 0
// (blanks around it ignored) and "=" gives label n, the text after the "=".
std::map<int, std::wstring> titleBlockLabels(const std::wstring& content);

// The label of the project's description line `n` (from 1): "<label> " when the label file has
// a non-empty one, else the numbered-line text and a blank.
std::wstring descriptionLineLabel(const std::map<int, std::wstring>& labels, int n);

}  // namespace vox::palette
