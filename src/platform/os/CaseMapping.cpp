#include "platform/os/CaseMapping.h"

#include <locale.h>
#include <wctype.h>

#include <functional>

namespace vox::os {
namespace {

// One C.UTF-8 locale object for the process; the global locale is never touched.
locale_t caseLocale() {
  static const locale_t loc = [] {
    locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return l != static_cast<locale_t>(nullptr) ? l : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
  }();
  return loc;
}

}  // namespace

wchar_t toUpper(wchar_t c) {
  if (c < 0x80) return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
  return static_cast<wchar_t>(towupper_l(static_cast<wint_t>(c), caseLocale()));
}

wchar_t toLower(wchar_t c) {
  if (c < 0x80) return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
  return static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), caseLocale()));
}

std::wstring toUpper(std::wstring_view s) {
  std::wstring out(s);
  for (wchar_t& c : out) c = toUpper(c);
  return out;
}

std::wstring toLower(std::wstring_view s) {
  std::wstring out(s);
  for (wchar_t& c : out) c = toLower(c);
  return out;
}

bool iequals(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && toUpper(a[i]) != toUpper(b[i])) return false;
  }
  return true;
}

int icompare(std::wstring_view a, std::wstring_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const wchar_t x = toUpper(a[i]);
    const wchar_t y = toUpper(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool istartsWith(std::wstring_view s, std::wstring_view prefix) {
  return s.size() >= prefix.size() && iequals(s.substr(0, prefix.size()), prefix);
}

std::size_t CaseInsensitiveHash::operator()(std::wstring_view s) const {
  // FNV-1a over the upper-cased characters.
  std::size_t h = 1469598103934665603ull;
  for (const wchar_t c : s) {
    h ^= static_cast<std::size_t>(toUpper(c));
    h *= 1099511628211ull;
  }
  return h;
}

}  // namespace vox::os
