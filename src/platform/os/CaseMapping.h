#pragma once
// Letter case for the module: Unicode simple case mapping that does not depend on the process
// locale. Case-insensitive comparison folds both sides to upper case, as the file systems the
// project files come from do.

#include <cstddef>
#include <string>
#include <string_view>

namespace vox::os {

wchar_t toUpper(wchar_t c);
wchar_t toLower(wchar_t c);

std::wstring toUpper(std::wstring_view s);
std::wstring toLower(std::wstring_view s);

// True when both texts have the same length and equal characters ignoring case.
bool iequals(std::wstring_view a, std::wstring_view b);

// Three-way comparison ignoring case: negative, zero or positive.
int icompare(std::wstring_view a, std::wstring_view b);

// True when `s` begins with `prefix`, ignoring case.
bool istartsWith(std::wstring_view s, std::wstring_view prefix);

// Hash and equality that ignore case, for unordered containers keyed by paths and IDs.
struct CaseInsensitiveHash {
  std::size_t operator()(std::wstring_view s) const;
};
struct CaseInsensitiveEqual {
  bool operator()(std::wstring_view a, std::wstring_view b) const { return iequals(a, b); }
};

}  // namespace vox::os
