#include "platform/settings/RootMapSettings.h"

namespace vox::settings {

os::RootMap loadRootMap(const HcSettingsStore& store) {
  os::RootMap map;
  for (const std::wstring& root : store.valueNames(kDrivesKey)) {
    const std::optional<std::wstring> folder = store.getString(kDrivesKey, root);
    if (folder && !folder->empty()) map.roots.emplace_back(root, os::encodeFileName(*folder));
  }
  return map;
}

}  // namespace vox::settings
