#include "records/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace vox::records {
namespace {

bool isBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::wstring_view skipBlanks(std::wstring_view s) {
  std::size_t i = 0;
  while (i < s.size() && isBlank(s[i])) ++i;
  return s.substr(i);
}

// Removes a leading sign from `s` and tells whether it was a minus.
bool takeSign(std::wstring_view& s) {
  if (s.empty() || (s[0] != L'+' && s[0] != L'-')) return false;
  const bool negative = s[0] == L'-';
  s.remove_prefix(1);
  return negative;
}

// The leading ASCII characters of `s` as narrow text, for std::from_chars.
std::string asciiPrefix(std::wstring_view s) {
  std::string out;
  for (wchar_t c : s) {
    if (c <= 0 || c >= 0x80) break;
    out.push_back(static_cast<char>(c));
  }
  return out;
}

// For a number text that std::from_chars found out of range: true when its magnitude is too
// large (rather than too small), judged from the position of its first significant digit and
// its exponent.
bool overflows(std::string_view s) {
  long long order = 0;
  std::size_t i = 0;
  bool significant = false;
  for (; i < s.size() && isDigit(s[i]); ++i) {
    significant = significant || s[i] != '0';
    if (significant) ++order;
  }
  if (i < s.size() && s[i] == '.') {
    for (++i; i < s.size() && isDigit(s[i]); ++i) {
      if (!significant && s[i] == '0') --order;
      significant = significant || s[i] != '0';
    }
  }
  long long exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    for (; i < s.size() && isDigit(s[i]); ++i) exponent = std::min(exponent * 10 + (s[i] - '0'), 1'000'000LL);
    if (negative) exponent = -exponent;
  }
  return order + exponent > 0;
}

}  // namespace

int parseLeadingInt(std::wstring_view text) {
  std::wstring_view s = skipBlanks(text);
  const bool negative = takeSign(s);
  constexpr long long kLimit = 1LL << 31;  // magnitude of the lowest int
  long long magnitude = 0;
  for (wchar_t c : s) {
    if (!isDigit(c)) break;
    magnitude = std::min(magnitude * 10 + (c - L'0'), kLimit);
  }
  return static_cast<int>(negative ? -magnitude : std::min(magnitude, kLimit - 1));
}

double parseLeadingDouble(std::wstring_view text) {
  std::wstring_view s = skipBlanks(text);
  const bool negative = takeSign(s);
  const std::string number = asciiPrefix(s);
  // std::from_chars would accept a second minus sign; a number has only one sign.
  if (number.empty() || number[0] == '-' || number[0] == '+') return 0.0;
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    value = overflows(number) ? HUGE_VAL : 0.0;
  } else if (result.ec != std::errc{}) {
    return 0.0;
  }
  return negative ? -value : value;
}

std::wstring formatInt(int value) {
  std::array<char, 16> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::wstring(buffer.data(), result.ptr);
}

std::wstring formatFixed(double value) {
  // The largest double has 309 integer digits; add sign, point and six decimals.
  std::array<char, 330> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 6);
  return std::wstring(buffer.data(), result.ptr);
}

}  // namespace vox::records
