#include "projectfile/ProjectFileLines.h"

#include <climits>

namespace vox::projectfile {

std::wstring_view trimLeadingBlanks(std::wstring_view s) {
  std::size_t i = 0;
  while (i < s.size() && isBlank(s[i])) ++i;
  return s.substr(i);
}

std::wstring_view trimTrailingBlanks(std::wstring_view s) {
  std::size_t n = s.size();
  while (n > 0 && isBlank(s[n - 1])) --n;
  return s.substr(0, n);
}

int leadingInteger(std::wstring_view s) {
  s = trimLeadingBlanks(s);
  bool negative = false;
  if (!s.empty() && (s[0] == L'+' || s[0] == L'-')) {
    negative = s[0] == L'-';
    s.remove_prefix(1);
  }
  long long value = 0;
  for (const wchar_t c : s) {
    if (c < L'0' || c > L'9') break;
    if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (c - L'0');
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::optional<BracketItem> parseBracketItem(std::wstring_view afterKind) {
  std::wstring_view s = trimLeadingBlanks(afterKind);
  while (!s.empty() && s[0] == L'[') s.remove_prefix(1);
  const std::size_t close = s.find(L']');
  if (close == std::wstring_view::npos) return std::nullopt;
  const std::wstring_view numberText = s.substr(0, close);
  return BracketItem{numberText.empty() ? -1 : leadingInteger(numberText), s.substr(close + 1)};
}

bool drawingNameNeedsQuote(std::wstring_view name) {
  if (name.empty()) return false;
  switch (name[0]) {
    case L'=':
    case L'*':
    case L'+':
    case L'?':
    case L'"':
      return true;
    default:
      return isBlank(name[0]);
  }
}

}  // namespace vox::projectfile
