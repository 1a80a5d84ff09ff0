#pragma once
// The path conversions of the LISP functions: forward slashes in the path turn into
// backslashes for the work and come back in the result, trailing backslashes of the base folder
// do not count.

#include <optional>
#include <string>

namespace vox::module {

// `path` relative to the folder `base` (".\" at the start dropped); empty when it cannot be.
std::optional<std::wstring> absoluteToRelative(const std::wstring& path, const std::wstring& base);
// `relative` combined with the folder `base`, "." and ".." resolved; empty when it cannot be.
std::optional<std::wstring> relativeToAbsolute(const std::wstring& relative, const std::wstring& base);

}  // namespace vox::module
