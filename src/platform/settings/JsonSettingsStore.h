#pragma once
// The per-user settings store (the registry) as one JSON file, registry.json, in a folder of
// its own (see settingsFolder). The layout is described in SettingsDocument.h: an object per key
// path under "keys", strings as JSON strings, numbers as JSON integers.
//
// Key paths and value names compare ignoring case (locale-independent Unicode case mapping);
// a key or value keeps the spelling of its first writing. A path's leading, trailing and doubled
// backslashes do not count. A value is a string or a 32-bit number: asking for a string where a
// number is stored (or the reverse) finds nothing, and writing the other kind replaces it.
// Members of the file that are not such values are kept when it is rewritten.
//
// Changes: each one takes an advisory lock on registry.lock in the folder, reads the file again,
// applies the change and writes the result to a temporary file that is flushed and renamed over
// registry.json; so instances in this and other processes never lose each other's values, and a
// crash leaves the old file or the new one. The folder is created on the first change.
//
// Reads use a copy of the file's values that is loaded again whenever the file's stamp (inode,
// size, modification time) changed: one stat per read.
//
// Bad files: one that is not JSON, not an object, deeply nested or too large reads as empty;
// one with parts of the wrong shape reads without them. The next change keeps the file as
// registry.json.corrupt-<n> and writes what could be read plus the change. lastError() says so.

#include <functional>
#include <string>

#include "host/HcSettingsStore.h"
#include "platform/settings/SettingsFile.h"
#include "platform/settings/SettingsIndex.h"

namespace vox::settings {

class SettingsDocument;
enum class EditResult;

class JsonSettingsStore : public HcSettingsStore {
 public:
  // The store in a native folder; nothing is touched until the first read or change.
  explicit JsonSettingsStore(std::string folder);

  std::optional<std::wstring> getString(const std::wstring& key, const std::wstring& name) const override;
  std::optional<std::int32_t> getNumber(const std::wstring& key, const std::wstring& name) const override;
  // False, with lastError(), when the file cannot be written or the key, name or text holds a
  // character UTF-8 cannot carry.
  bool setString(const std::wstring& key, const std::wstring& name, const std::wstring& value) override;
  bool setNumber(const std::wstring& key, const std::wstring& name, std::int32_t value) override;
  // False when there is no such value (lastError() stays empty) or the file cannot be written.
  bool deleteValue(const std::wstring& key, const std::wstring& name) override;
  std::vector<std::wstring> valueNames(const std::wstring& key) const override;
  std::wstring folder() const override;

  const std::string& filePath() const { return file_; }
  // What the last change or the last loading of the file ran into (a write that failed, a bad
  // file read as empty or kept aside); empty when it went well.
  const std::wstring& lastError() const { return lastError_; }

 private:
  using Edit = std::function<EditResult(SettingsDocument&)>;

  const SettingsValue* find(const std::wstring& key, const std::wstring& name) const;
  void refresh() const;
  bool change(const Edit& edit);
  bool changeLocked(const Edit& edit);

  std::string folder_;
  std::string file_;
  std::string lockFile_;
  mutable SettingsIndex values_;
  mutable FileStamp stamp_;
  mutable std::wstring lastError_;
};

}  // namespace vox::settings
