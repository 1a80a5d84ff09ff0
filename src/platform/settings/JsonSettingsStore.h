#pragma once
// The per-user settings store (the registry) as one JSON file, registry.json, in a folder of
// its own. Layout:
//   { "keys": { "Software\\VoxFolio\\R1\\Settings": { "ShowAtStartup": 1, "Folder": "\\home\\u" } } }
// Key paths and value names compare ignoring case and keep the letter case of their first
// writing; strings are JSON strings, numbers JSON integers (32-bit). Asking for a string where
// a number is stored (or the reverse) finds nothing. Members the store does not know are kept.
//
// Every change is made under an advisory lock on registry.lock: the file is read again, the
// change applied, and the result written to a temporary file that is flushed and renamed over
// registry.json, so two instances or processes never lose each other's values. Reads use a copy
// that is loaded again whenever the file changed. A file that is not valid JSON reads as empty;
// the next change keeps it as registry.json.corrupt-N and starts a new one (see lastError()).

#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "host/HcSettingsStore.h"

namespace vox::settings {

// The store's folder: $VOXFOLIO_CONFIG_HOME, else $XDG_CONFIG_HOME/voxfolio, else
// $HOME/.config/voxfolio. `getenv` answers null for an unset variable.
std::string settingsFolder(const std::function<const char*(const char*)>& getenv);

class JsonSettingsStore : public HcSettingsStore {
 public:
  // The store in a native folder (created on the first change).
  explicit JsonSettingsStore(std::string folder);

  std::optional<std::wstring> getString(const std::wstring& key, const std::wstring& name) const override;
  std::optional<std::int32_t> getNumber(const std::wstring& key, const std::wstring& name) const override;
  bool setString(const std::wstring& key, const std::wstring& name, const std::wstring& value) override;
  bool setNumber(const std::wstring& key, const std::wstring& name, std::int32_t value) override;
  bool deleteValue(const std::wstring& key, const std::wstring& name) override;
  std::vector<std::wstring> valueNames(const std::wstring& key) const override;

  const std::string& filePath() const { return file_; }
  // What went wrong last (a failed write, a corrupt file set aside); empty when nothing did.
  const std::wstring& lastError() const { return lastError_; }

 private:
  struct Stamp {
    long long mtimeNs = -1;
    long long size = -1;
    unsigned long long inode = 0;
    bool operator==(const Stamp&) const = default;
  };

  const nlohmann::json* findValue(const std::wstring& key, const std::wstring& name) const;
  void refresh() const;
  bool change(const std::function<bool(nlohmann::json& root)>& apply);
  bool load(nlohmann::json& root, bool setAsideCorrupt);
  bool store(const nlohmann::json& root);

  std::string folder_;
  std::string file_;
  std::string lockFile_;
  mutable nlohmann::json cache_;
  mutable Stamp stamp_;
  mutable std::wstring lastError_;
};

}  // namespace vox::settings
