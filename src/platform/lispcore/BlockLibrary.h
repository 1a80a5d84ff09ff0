#pragma once
// Finding files in the block library by name, ignoring letter case, on native folders. Names
// are compared in the module's form (UTF-8 with byte escapes, see NativePath.h).

#include <functional>
#include <optional>
#include <string>

namespace vox::lispcore {

// Folders below the library that a search visits at most, so a huge tree cannot hang a call.
inline constexpr std::size_t kMaxSearchedFolders = 10000;

using NameMatch = std::function<bool(const std::wstring& name)>;

// The first entry of `folder` (in name order) whose name matches; a regular file or a folder as
// asked. Empty when there is none or the folder cannot be read.
std::optional<std::string> findInFolder(const std::string& folder, const NameMatch& match, bool wantFolder);
// The file named `fileName` (ignoring case) in `folder` or a folder below it: the least deep one
// wins, then name order. Linked folders are not followed, so no loop can keep it searching.
std::optional<std::string> findFileBelow(const std::string& folder, const std::wstring& fileName);

}  // namespace vox::lispcore
