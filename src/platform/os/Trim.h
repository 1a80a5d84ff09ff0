#pragma once
// A text without the white space (blanks, tabs, line breaks) around it.

#include <cwctype>
#include <string>
#include <string_view>

namespace vox::os {

inline std::wstring trimmed(std::wstring_view text) {
  const auto blank = [](wchar_t c) { return std::iswspace(static_cast<wint_t>(c)) != 0; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::wstring(text);
}

}  // namespace vox::os
