#include "platform/settings/SettingsDocument.h"

#include <limits>

#include "platform/os/CaseMapping.h"
#include "platform/settings/SettingsText.h"

namespace vox::settings {
namespace {

using nlohmann::json;

// Deeper documents are refused: writing and copying JSON recurse once per level.
constexpr std::size_t kMaxDepth = 64;
constexpr const char* kKeys = "keys";

std::optional<SettingsValue> valueOf(const json& member) {
  if (member.is_string()) return fromUtf8(member.get_ref<const std::string&>());
  if (member.is_number_unsigned()) {
    const auto n = member.get<std::uint64_t>();
    if (n <= static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) return static_cast<std::int32_t>(n);
  } else if (member.is_number_integer()) {
    const auto n = member.get<std::int64_t>();
    if (n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max())
      return static_cast<std::int32_t>(n);
  }
  return std::nullopt;
}

json::iterator findMember(json& object, const std::wstring& name) {
  for (auto it = object.begin(); it != object.end(); ++it)
    if (os::iequals(fromUtf8(it.key()), name)) return it;
  return object.end();
}

json::iterator findKey(json& keys, const std::wstring& key) {
  for (auto it = keys.begin(); it != keys.end(); ++it)
    if (os::iequals(normalizeKeyPath(fromUtf8(it.key())), key)) return it;
  return keys.end();
}

}  // namespace

SettingsDocument::Parsed SettingsDocument::parse(std::string_view text) {
  Parsed parsed;
  if (text.empty()) return parsed;
  bool tooDeep = false;
  const json::parser_callback_t limitDepth = [&tooDeep](int depth, json::parse_event_t, json&) {
    if (static_cast<std::size_t>(depth) > kMaxDepth) tooDeep = true;
    return !tooDeep;
  };
  json root = json::parse(text, limitDepth, false);
  if (tooDeep) {
    parsed.problem = L"the settings file is nested too deeply";
  } else if (root.is_discarded()) {
    parsed.problem = L"the settings file is not valid JSON";
  } else if (!root.is_object()) {
    parsed.problem = L"the settings file does not hold a JSON object";
  } else {
    parsed.document.root_ = std::move(root);
    parsed.problem = parsed.document.dropMalformedParts();
  }
  return parsed;
}

std::wstring SettingsDocument::dropMalformedParts() {
  const auto keys = root_.find(kKeys);
  if (keys == root_.end()) return {};
  if (!keys->is_object()) {
    root_.erase(keys);
    return L"the settings file's \"keys\" is not an object";
  }
  std::wstring problem;
  for (auto it = keys->begin(); it != keys->end();) {
    if (it->is_object()) {
      ++it;
      continue;
    }
    if (problem.empty()) problem = L"the settings file's key \"" + fromUtf8(it.key()) + L"\" is not an object";
    it = keys->erase(it);
  }
  return problem;
}

SettingsIndex SettingsDocument::index() const {
  SettingsIndex index;
  const auto keys = root_.find(kKeys);
  if (keys == root_.end()) return index;
  for (auto key = keys->begin(); key != keys->end(); ++key) {
    const std::wstring path = normalizeKeyPath(fromUtf8(key.key()));
    for (auto member = key->begin(); member != key->end(); ++member) {
      if (auto value = valueOf(*member)) index.add(path, fromUtf8(member.key()), std::move(*value));
    }
  }
  return index;
}

nlohmann::json* SettingsDocument::keyObject(const std::wstring& key) {
  const auto keys = root_.find(kKeys);
  if (keys == root_.end()) return nullptr;
  const auto it = findKey(*keys, key);
  return it == keys->end() ? nullptr : &*it;
}

EditResult SettingsDocument::set(const ValueAddress& at, json value) {
  json* object = keyObject(at.key);
  if (object == nullptr) object = &(root_[kKeys][at.utf8Key] = json::object());
  const auto it = findMember(*object, at.name);
  if (it == object->end()) {
    (*object)[at.utf8Name] = std::move(value);
    return EditResult::kChanged;
  }
  if (*it == value) return EditResult::kUnchanged;
  *it = std::move(value);
  return EditResult::kChanged;
}

EditResult SettingsDocument::erase(const ValueAddress& at) {
  json* object = keyObject(at.key);
  if (object == nullptr) return EditResult::kNotFound;
  const auto it = findMember(*object, at.name);
  if (it == object->end() || !valueOf(*it)) return EditResult::kNotFound;
  object->erase(it);
  return EditResult::kChanged;
}

std::string SettingsDocument::text() const { return root_.dump(2) + "\n"; }

}  // namespace vox::settings
