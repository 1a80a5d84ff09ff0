#pragma once
// What a drawing label edit may rename a drawing file to: the typed text trimmed, its extension
// replaced by ".dwg". A name holding a path separator, a character no file name may hold, or
// nothing before the extension is refused, so a rename never moves a file to another folder.

#include <optional>
#include <string>

namespace vox::palette {

enum class RenameVerdict { kSame, kEmpty, kInvalid, kRename };

struct RenameTarget {
  RenameVerdict verdict = RenameVerdict::kEmpty;
  std::wstring fileName;  // the new file name with ".dwg" for kRename and kInvalid
};

// The typed `text` against the file name the edit began with.
RenameTarget renameTarget(const std::wstring& text, const std::wstring& labelBeforeEditing);

}  // namespace vox::palette
