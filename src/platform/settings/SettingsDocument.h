#pragma once
// The content of registry.json as JSON, and the edits the store makes to it. Layout:
//
//   { "keys": { "Software\\VoxFolio\\R1\\Settings": { "Folder": "\\home\\u", "ShowAtStartup": 1 },
//               "Drives": { "C:": "/srv/projects/c" } } }
//
// "keys" holds one object per key path (stored normalized, see normalizeKeyPath); each holds
// that key's values, strings as JSON strings and numbers as JSON integers in the 32-bit range.
// Members of any other kind, at any level, are not values but are kept as they are.

#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "platform/settings/SettingsIndex.h"
#include "platform/settings/SettingsText.h"

namespace vox::settings {

enum class EditResult { kChanged, kUnchanged, kNotFound };

class SettingsDocument {
 public:
  struct Parsed;
  // The document in `text`. Text that is not a JSON object gives an empty document; parts of
  // the wrong shape ("keys" or a key that is not an object) are dropped. Either way `problem`
  // says what was wrong; empty text is simply an empty document.
  static Parsed parse(std::string_view text);

  SettingsIndex index() const;
  // The value replaces one of the same name ignoring case, whose spelling stays; a new key or
  // value is spelled as in `at`.
  EditResult set(const ValueAddress& at, nlohmann::json value);
  EditResult erase(const ValueAddress& at);
  std::string text() const;

 private:
  std::wstring dropMalformedParts();
  nlohmann::json* keyObject(const std::wstring& key);

  nlohmann::json root_ = nlohmann::json::object();
};

struct SettingsDocument::Parsed {
  SettingsDocument document;
  std::wstring problem;
};

}  // namespace vox::settings
