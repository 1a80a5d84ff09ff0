#include "platform/settings/SettingsText.h"

#include "platform/os/NativePath.h"

namespace vox::settings {

std::wstring normalizeKeyPath(std::wstring_view key) {
  std::wstring out;
  out.reserve(key.size());
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (key[i] != L'\\') {
      out += key[i];
    } else if (!out.empty() && out.back() != L'\\') {
      out += L'\\';
    }
  }
  if (!out.empty() && out.back() == L'\\') out.pop_back();
  return out;
}

std::optional<std::string> toUtf8(std::wstring_view text) {
  for (const wchar_t wc : text) {
    const auto c = static_cast<char32_t>(wc);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  }
  return os::encodeFileName(text);  // plain UTF-8 once no escape is present
}

std::wstring fromUtf8(std::string_view utf8) { return os::decodeFileName(utf8); }

std::optional<ValueAddress> ValueAddress::of(std::wstring_view key, std::wstring_view name) {
  ValueAddress address{normalizeKeyPath(key), std::wstring(name), {}, {}};
  auto utf8Key = toUtf8(address.key);
  auto utf8Name = toUtf8(address.name);
  if (!utf8Key || !utf8Name) return std::nullopt;
  address.utf8Key = std::move(*utf8Key);
  address.utf8Name = std::move(*utf8Name);
  return address;
}

std::wstring displayPath(const std::string& native) { return os::decodeFileName(native); }

}  // namespace vox::settings
