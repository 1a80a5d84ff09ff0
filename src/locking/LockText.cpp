#include "locking/LockText.h"

#include "platform/os/CaseMapping.h"

namespace vox::locking {

std::optional<ParsedLockText> parseLockText(std::wstring_view text) {
  const std::size_t a = text.find(L'\n');
  if (text.empty() || a == std::wstring_view::npos) return std::nullopt;
  const std::size_t b = text.find(L'\n', a + 1);
  if (b == std::wstring_view::npos) return std::nullopt;
  // Line 2 is the computer, a blank and the full name; without a full name the blank ends the
  // line and is dropped. (Dropping the last character whatever it is would cut the full name.)
  std::wstring_view lineTwo = text.substr(a + 1, b - a - 1);
  if (!lineTwo.empty() && lineTwo.back() == L' ') lineTwo.remove_suffix(1);
  ParsedLockText parts;
  parts.machine = std::wstring(lineTwo);
  parts.holder = std::wstring(text.substr(0, a)) + L"(" + parts.machine + L")";
  parts.timeStamp = std::wstring(text.substr(b + 1));
  return parts;
}

bool sameHolder(std::wstring_view a, std::wstring_view b) { return os::iequals(a, b); }

std::wstring lockFilePathFor(std::wstring_view path) { return std::wstring(path) + L".FLL"; }

std::wstring drawingLockPathFor(std::wstring_view drawing) {
  const std::size_t keep = drawing.size() >= 4 ? drawing.size() - 4 : 0;
  return std::wstring(drawing.substr(0, keep)) + L".dwl";
}

}  // namespace vox::locking
