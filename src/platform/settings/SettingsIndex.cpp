#include "platform/settings/SettingsIndex.h"

namespace vox::settings {

void SettingsIndex::add(const std::wstring& key, const std::wstring& name, SettingsValue value) {
  Key& entry = keys_[key];
  if (entry.byName.emplace(name, entry.values.size()).second) entry.values.emplace_back(name, std::move(value));
}

const SettingsValue* SettingsIndex::find(const std::wstring& key, const std::wstring& name) const {
  const auto k = keys_.find(key);
  if (k == keys_.end()) return nullptr;
  const auto v = k->second.byName.find(name);
  return v == k->second.byName.end() ? nullptr : &k->second.values[v->second].second;
}

std::vector<std::wstring> SettingsIndex::names(const std::wstring& key) const {
  std::vector<std::wstring> out;
  if (const auto k = keys_.find(key); k != keys_.end()) {
    for (const auto& value : k->second.values) out.push_back(value.first);
  }
  return out;
}

}  // namespace vox::settings
