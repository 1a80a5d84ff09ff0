#pragma once
// Paths in the module's own form: `\` separates components; a path is absolute when it begins
// with `\` (the current drive's root, or `\\server\share`) or with a drive letter and `:`.
// Components compare ignoring letter case. Pure functions, no file-system access.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vox::os {

// Size of a path buffer including its terminator: a path fits when it has at most 259 characters.
inline constexpr std::size_t kMaxPath = 260;
inline bool fitsMaxPath(std::wstring_view p) { return p.size() < kMaxPath; }

// A path split into its root and its components. The root is "" (relative), "\" (root of the
// current drive), "C:" (a drive) or "\\server\share" (a share).
struct PathParts {
  std::wstring root;
  std::vector<std::wstring> components;
  bool trailingSeparator = false;
};

bool isDriveLetterPath(std::wstring_view p);
bool isUncPath(std::wstring_view p);
bool isRelative(std::wstring_view p);

PathParts splitPath(std::wstring_view p);
std::wstring joinPath(const PathParts& parts);

// Every "/" replaced by "\".
std::wstring toBackslashes(std::wstring_view p);

// Resolves "." and ".." and drops empty components; ".." never climbs above an absolute root.
std::wstring canonicalize(std::wstring_view p);

// `path` when it is absolute, else `folder` and `path` joined with "\"; a path beginning with a
// single "\" keeps the drive or share root of `folder` ("D:\P" and "\x" give "D:\x").
// Canonicalized either way. Empty when the result would not fit kMaxPath.
std::optional<std::wstring> combine(std::wstring_view folder, std::wstring_view path);

// `file` relative to `folder`, comparing components ignoring case: a bare name for a file in the
// folder, names below it joined by "\", ".." for each level up. Empty when the two share no root
// (another drive or share, or either is relative), when `file` is `folder` itself, or when the
// result would not fit kMaxPath. A trailing separator of `file` is kept.
std::optional<std::wstring> relativePathTo(std::wstring_view folder, std::wstring_view file);

// A full path for `path` taken from `currentFolder` (which is absolute): relative paths are
// combined with it, a path beginning with a single "\" takes its root. Canonicalized.
std::wstring qualify(std::wstring_view path, std::wstring_view currentFolder);

// The last component ("X.wdp" of "C:\P\X.wdp").
std::wstring fileName(std::wstring_view p);
// The path without its last component and the separator before it ("C:\P" of "C:\P\X.wdp").
std::wstring folderOf(std::wstring_view p);
// The extension of the last component including its dot (".wdp"), or empty.
std::wstring extension(std::wstring_view p);
// The last component without its extension ("X" of "C:\P\X.wdp").
std::wstring stem(std::wstring_view p);
// The path with the extension of its last component replaced (`ext` includes the dot).
std::wstring replaceExtension(std::wstring_view p, std::wstring_view ext);

// Paths equal ignoring case (no normalisation).
bool samePath(std::wstring_view a, std::wstring_view b);

}  // namespace vox::os
