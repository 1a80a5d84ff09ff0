#pragma once
// The per-user settings store (the registry): keys are backslash paths, value names compare
// ignoring case, values are strings or 32-bit numbers.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class HcSettingsStore {
 public:
  virtual ~HcSettingsStore() = default;
  virtual std::optional<std::wstring> getString(const std::wstring& key, const std::wstring& name) const = 0;
  virtual std::optional<std::int32_t> getNumber(const std::wstring& key, const std::wstring& name) const = 0;
  virtual bool setString(const std::wstring& key, const std::wstring& name, const std::wstring& value) = 0;
  virtual bool setNumber(const std::wstring& key, const std::wstring& name, std::int32_t value) = 0;
  virtual bool deleteValue(const std::wstring& key, const std::wstring& name) = 0;
  // Names of the values held directly under `key`.
  virtual std::vector<std::wstring> valueNames(const std::wstring& key) const = 0;
  // The folder (module path) that holds the user's settings, where the module may keep files of
  // the user's own; empty when the store has none.
  virtual std::wstring folder() const { return {}; }
};

// The installed store, or null.
HcSettingsStore* hcSettingsStore();
