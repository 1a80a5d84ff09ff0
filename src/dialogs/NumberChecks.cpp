#include "dialogs/NumberChecks.h"

#include <cstdint>

namespace vox::dialogs {
namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::wstring_view trimmed(std::wstring_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

void skipSign(std::wstring_view s, std::size_t& i) {
  if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) ++i;
}

std::size_t skipDigits(std::wstring_view s, std::size_t& i) {
  const std::size_t start = i;
  while (i < s.size() && isDigit(s[i])) ++i;
  return i - start;
}

}  // namespace

bool isRealNumber(std::wstring_view text) {
  const std::wstring_view s = trimmed(text);
  std::size_t i = 0;
  skipSign(s, i);
  std::size_t digits = skipDigits(s, i);
  if (i < s.size() && s[i] == L'.') {
    ++i;
    digits += skipDigits(s, i);
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == L'e' || s[i] == L'E')) {
    ++i;
    skipSign(s, i);
    if (skipDigits(s, i) == 0) return false;
  }
  return i == s.size();
}

bool isWholeNumber(std::wstring_view text) {
  const std::wstring_view s = trimmed(text);
  std::size_t i = 0;
  skipSign(s, i);
  const bool negative = i > 0 && s[0] == L'-';
  std::int64_t value = 0;
  const std::size_t first = i;
  for (; i < s.size() && isDigit(s[i]); ++i) {
    value = value * 10 + (s[i] - L'0');
    if (value > INT32_MAX + std::int64_t{negative ? 1 : 0}) return false;
  }
  return i > first && i == s.size();
}

bool isRealList(std::wstring_view text) {
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(L',', start);
    if (!isRealNumber(text.substr(start, comma == std::wstring_view::npos ? text.npos : comma - start))) return false;
    if (comma == std::wstring_view::npos) return true;
    start = comma + 1;
  }
}

}  // namespace vox::dialogs
