#pragma once
// Shared pieces of the settings tests: a store folder in a temporary folder.

#include <filesystem>
#include <string>

#include "platform/settings/JsonSettingsStore.h"
#include "support/TempDir.h"

namespace vox::settings::test {

inline const std::wstring kKey = L"Software\\VoxFolio\\R1\\Settings";

struct StoreFolder {
  vox::test::TempDir temp;
  std::string folder = temp.native("cfg");
  std::string file() const { return folder + "/registry.json"; }
  // Puts `text` in place as the settings file.
  void write(const std::string& text) const {
    std::filesystem::create_directories(folder);
    vox::test::writeNative(file(), text);
  }
  std::string read() const { return vox::test::readNative(file()); }
};

}  // namespace vox::settings::test
