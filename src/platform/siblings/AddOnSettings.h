#pragma once
// The add-on's registry settings over the settings store. A setting (key, name) is the value
// `name` under the store key "<root>\<key>", the root being the add-on's key
// (kAddOnSettingsRoot unless given): so key "Ladder", name "Spacing" is the value "Spacing" of
// "Software\VoxFolio\Electrical\Ladder". Separators at either end of `key` do not count; an
// empty key is the root itself. A number stored under the name reads as its decimal text.

#include <string>

class HcSettingsStore;

namespace vox::siblings {

inline constexpr wchar_t kAddOnSettingsRoot[] = L"Software\\VoxFolio\\Electrical";

class AddOnSettings {
 public:
  // Settings in `store` (borrowed; null: every read and write fails).
  explicit AddOnSettings(HcSettingsStore* store, std::wstring root = kAddOnSettingsRoot);

  bool get(const std::wstring& key, const std::wstring& name, std::wstring& out) const;
  bool set(const std::wstring& key, const std::wstring& name, const std::wstring& value);

  // The store key of the add-on's sub-key `key`.
  std::wstring storeKey(const std::wstring& key) const;

 private:
  HcSettingsStore* store_;
  std::wstring root_;
};

}  // namespace vox::siblings
