#pragma once
// The values of the settings file arranged for lookup: by key path and value name, both
// ignoring case. The store keeps one of these as its copy of the file, so a read is a hash
// lookup.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "platform/os/CaseMapping.h"

namespace vox::settings {

using SettingsValue = std::variant<std::wstring, std::int32_t>;

class SettingsIndex {
 public:
  // Adds a value under a normalized key path. When the key already holds a value of that name
  // (ignoring case) the first one stays, as it is the one a change would find.
  void add(const std::wstring& key, const std::wstring& name, SettingsValue value);

  // The value, or null.
  const SettingsValue* find(const std::wstring& key, const std::wstring& name) const;
  // Names of the values under exactly `key`, in file order, spelled as stored.
  std::vector<std::wstring> names(const std::wstring& key) const;

 private:
  struct Key {
    std::vector<std::pair<std::wstring, SettingsValue>> values;
    std::unordered_map<std::wstring, std::size_t, os::CaseInsensitiveHash, os::CaseInsensitiveEqual> byName;
  };
  std::unordered_map<std::wstring, Key, os::CaseInsensitiveHash, os::CaseInsensitiveEqual> keys_;
};

}  // namespace vox::settings
