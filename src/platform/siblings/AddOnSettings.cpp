#include "platform/siblings/AddOnSettings.h"

#include <cstdint>
#include <optional>

#include "host/HcSettingsStore.h"

namespace vox::siblings {

AddOnSettings::AddOnSettings(HcSettingsStore* store, std::wstring root) : store_(store), root_(std::move(root)) {}

std::wstring AddOnSettings::storeKey(const std::wstring& key) const {
  const std::size_t first = key.find_first_not_of(L'\\');
  if (first == std::wstring::npos) return root_;
  const std::size_t last = key.find_last_not_of(L'\\');
  return root_ + L"\\" + key.substr(first, last - first + 1);
}

bool AddOnSettings::get(const std::wstring& key, const std::wstring& name, std::wstring& out) const {
  if (store_ == nullptr) return false;
  const std::wstring path = storeKey(key);
  if (const std::optional<std::wstring> text = store_->getString(path, name)) {
    out = *text;
    return true;
  }
  if (const std::optional<std::int32_t> number = store_->getNumber(path, name)) {
    out = std::to_wstring(*number);
    return true;
  }
  return false;
}

bool AddOnSettings::set(const std::wstring& key, const std::wstring& name, const std::wstring& value) {
  return store_ != nullptr && store_->setString(storeKey(key), name, value);
}

}  // namespace vox::siblings
