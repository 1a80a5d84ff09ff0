#pragma once
// Text conversions of the settings store: key paths in their stored form, and UTF-8 for the
// JSON file.

#include <optional>
#include <string>
#include <string_view>

namespace vox::settings {

// A key path as stored: components joined by one backslash, without leading, trailing or
// repeated backslashes ("\Software\\VoxFolio\" is "Software\VoxFolio").
std::wstring normalizeKeyPath(std::wstring_view key);

// UTF-8 form of a text; empty when it holds a code point UTF-8 cannot carry (a surrogate, which
// includes the escapes of raw file-name bytes, or one beyond U+10FFFF).
std::optional<std::string> toUtf8(std::wstring_view text);
// Text of valid UTF-8 (the JSON parser has checked it).
std::wstring fromUtf8(std::string_view utf8);

// A key path and value name ready for writing: the path normalized, both also in UTF-8.
struct ValueAddress {
  std::wstring key;
  std::wstring name;
  std::string utf8Key;
  std::string utf8Name;
  // Empty when either holds a character the file cannot carry (see toUtf8).
  static std::optional<ValueAddress> of(std::wstring_view key, std::wstring_view name);
};

// Native path in an error message.
std::wstring displayPath(const std::string& native);

}  // namespace vox::settings
