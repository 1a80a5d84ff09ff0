#include "locking/LockText.h"

#include "platform/os/CaseMapping.h"

namespace vox::locking {

std::optional<ParsedLockText> parseLockText(std::wstring_view text) {
  const std::size_t a = text.find(L'\n');
  if (text.empty() || a == std::wstring_view::npos) return std::nullopt;
  const std::size_t b = text.find(L'\n', a + 1);
  if (b == std::wstring_view::npos) return std::nullopt;
  const std::size_t lineTwo = b - a - 1;
  ParsedLockText parts;
  parts.machine = std::wstring(text.substr(a + 1, lineTwo == 0 ? 0 : lineTwo - 1));
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
