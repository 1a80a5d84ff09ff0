#pragma once
// Small pieces of the project file's line syntax, shared by the reader and the writer.

#include <optional>
#include <string>
#include <string_view>

namespace vox::projectfile {

inline bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
std::wstring_view trimLeadingBlanks(std::wstring_view s);
std::wstring_view trimTrailingBlanks(std::wstring_view s);

// The leading decimal integer of a text (leading blanks and a sign allowed), 0 when there is
// none; values beyond the int range are clamped.
int leadingInteger(std::wstring_view s);

// "[n]value" after the kind characters: the number (-1 for an empty number text) and the value
// (everything after the first "]"). Empty when there is no "]".
struct BracketItem {
  int number = 0;
  std::wstring_view value;
};
std::optional<BracketItem> parseBracketItem(std::wstring_view afterKind);

// A drawing name that would not read back as itself unless it is written with one double
// quote in front: one that would be taken for another kind of line, or that begins with a
// quote or a blank.
bool drawingNameNeedsQuote(std::wstring_view nameAsWritten);

}  // namespace vox::projectfile
