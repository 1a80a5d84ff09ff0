#pragma once
// Mapping between the module's paths and native (POSIX) paths. `\a\b` is `/a/b`; drive letters
// and `\\server\share` roots are folders named in a root table (filled from the settings store);
// a drive that is not in the table does not exist. Native names are bytes, read as UTF-8; bytes
// that are not valid UTF-8 travel as U+DC80..U+DCFF so that every name maps back unchanged.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vox::os {

// Roots such as L"C:" or L"\\\\server\\share", each with the native folder that holds it.
struct RootMap {
  std::vector<std::pair<std::wstring, std::string>> roots;
};

// Native form of a module path; empty for an unmapped drive or share, or a name that cannot
// exist natively (a component holding "/" or NUL).
std::optional<std::string> toNative(std::wstring_view path, const RootMap& map);
// Module form of a native path; a mapped native folder becomes its root (the longest one wins).
std::wstring fromNative(std::string_view native, const RootMap& map);

// The process's root table, used by the file functions of this layer.
void setRootMap(RootMap map);
RootMap rootMap();
std::optional<std::string> toNative(std::wstring_view path);
std::wstring fromNative(std::string_view native);

// UTF-8 with the byte escapes described above.
std::string encodeFileName(std::wstring_view name);
std::wstring decodeFileName(std::string_view bytes);

}  // namespace vox::os
