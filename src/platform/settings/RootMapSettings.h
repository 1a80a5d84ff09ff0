#pragma once
// Drive letters and shares as native folders, from the settings key "Drives": each value name
// is a root ("C:", "\\server\share"), each string value the native folder holding it.

#include "host/HcSettingsStore.h"
#include "platform/os/NativePath.h"

namespace vox::settings {

inline constexpr const wchar_t* kDrivesKey = L"Drives";

os::RootMap loadRootMap(const HcSettingsStore& store);

}  // namespace vox::settings
