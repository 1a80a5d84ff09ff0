#pragma once
// Base64 (RFC 4648, with padding) for the thumbnail stored in a drawing file.

#include <optional>
#include <string>
#include <string_view>

namespace vox::dwgdb {

std::string encodeBase64(std::string_view bytes);
// The bytes of a padded Base64 text; empty for any other text (a wrong length, a foreign
// character, misplaced padding).
std::optional<std::string> decodeBase64(std::string_view text);

}  // namespace vox::dwgdb
