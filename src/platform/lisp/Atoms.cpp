#include "platform/lisp/Atoms.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "platform/os/CaseMapping.h"

namespace vox::lisp {
namespace {

bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::size_t skipDigits(std::wstring_view s, std::size_t i) {
  while (i < s.size() && isDigit(s[i])) ++i;
  return i;
}

struct NumberShape {
  bool integral = true;  // no decimal point, no exponent
};

// The shape of `token` when it is written as a number: [+-] digits [. digits] [e [+-] digits],
// with at least one digit before the exponent.
std::optional<NumberShape> numberShape(std::wstring_view token) {
  NumberShape shape;
  std::size_t i = 0;
  if (i < token.size() && (token[i] == L'+' || token[i] == L'-')) ++i;
  const std::size_t intStart = i;
  i = skipDigits(token, i);
  std::size_t digits = i - intStart;
  if (i < token.size() && token[i] == L'.') {
    shape.integral = false;
    const std::size_t fracStart = ++i;
    i = skipDigits(token, i);
    digits += i - fracStart;
  }
  if (digits == 0) return std::nullopt;
  if (i < token.size() && (token[i] == L'e' || token[i] == L'E')) {
    shape.integral = false;
    ++i;
    if (i < token.size() && (token[i] == L'+' || token[i] == L'-')) ++i;
    const std::size_t expStart = i;
    i = skipDigits(token, i);
    if (i == expStart) return std::nullopt;
  }
  if (i != token.size()) return std::nullopt;
  return shape;
}

// The integer of an integral token when it fits 32 bits.
std::optional<std::int32_t> smallInteger(std::wstring_view token) {
  const bool negative = token.front() == L'-';
  if (token.front() == L'+' || token.front() == L'-') token.remove_prefix(1);
  std::int64_t magnitude = 0;
  for (const wchar_t c : token) {
    magnitude = magnitude * 10 + (c - L'0');
    if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::wstring shortened(std::wstring_view token) {
  constexpr std::size_t kShown = 40;
  if (token.size() <= kShown) return std::wstring(token);
  return std::wstring(token.substr(0, kShown)) + L"...";
}

Result<Value> realFromToken(std::wstring_view token) {
  if (token.front() == L'+') token.remove_prefix(1);  // from_chars takes no plus sign
  std::string narrow(token.size(), '\0');
  for (std::size_t i = 0; i < token.size(); ++i) narrow[i] = static_cast<char>(token[i]);  // ASCII by shape
  double value = 0;
  const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
  if (error != std::errc() || end != narrow.data() + narrow.size()) {
    return makeError(L"number out of range: " + shortened(token));
  }
  return Value::real(value);
}

}  // namespace

bool isBlank(wchar_t c) { return c <= L' ' || c == 0x7F; }

bool isDelimiter(wchar_t c) {
  return isBlank(c) || c == L'(' || c == L')' || c == L'"' || c == L'\'' || c == L';';
}

Result<Value> atomFromToken(std::wstring_view token) {
  if (os::iequals(token, L"nil")) return Value();
  if (os::iequals(token, L"t")) return Value::t();
  const std::optional<NumberShape> shape = numberShape(token);
  if (!shape) return Value::symbol(std::wstring(token));
  if (shape->integral) {
    if (const std::optional<std::int32_t> i = smallInteger(token)) return Value::integer(*i);
  }
  return realFromToken(token);
}

}  // namespace vox::lisp
