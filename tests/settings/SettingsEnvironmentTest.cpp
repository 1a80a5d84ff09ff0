#include <gtest/gtest.h>

#include <map>

#include "SettingsTestSupport.h"
#include "platform/os/NativePath.h"
#include "platform/settings/RootMapSettings.h"
#include "platform/settings/SettingsFolder.h"

namespace vox::settings {
namespace {

TEST(SettingsEnvironment, FolderFromTheEnvironment) {
  std::map<std::string, std::string> env;
  const EnvironmentLookup getenv = [&env](const char* name) -> const char* {
    const auto it = env.find(name);
    return it == env.end() ? nullptr : it->second.c_str();
  };
  EXPECT_FALSE(settingsFolder(getenv));
  env["HOME"] = "/home/u";
  EXPECT_EQ(settingsFolder(getenv), "/home/u/.config/voxfolio");
  env["XDG_CONFIG_HOME"] = "relative";  // not absolute: ignored
  EXPECT_EQ(settingsFolder(getenv), "/home/u/.config/voxfolio");
  env["XDG_CONFIG_HOME"] = "/xdg";
  EXPECT_EQ(settingsFolder(getenv), "/xdg/voxfolio");
  env["VOXFOLIO_CONFIG_HOME"] = "";
  EXPECT_EQ(settingsFolder(getenv), "/xdg/voxfolio");
  env["VOXFOLIO_CONFIG_HOME"] = "/own";
  EXPECT_EQ(settingsFolder(getenv), "/own");
}

TEST(SettingsEnvironment, DrivesMapToNativeFolders) {
  const test::StoreFolder dir;
  JsonSettingsStore store(dir.folder);
  ASSERT_TRUE(store.setString(kDrivesKey, L"C:", L"/srv/projects/c"));
  ASSERT_TRUE(store.setString(L"drives", L"\\\\server\\share", L"/mnt/ü"));
  ASSERT_TRUE(store.setNumber(kDrivesKey, L"D:", 4));  // not a folder: ignored
  ASSERT_TRUE(store.setString(kDrivesKey, L"E:", L""));
  const os::RootMap map = loadRootMap(store);
  ASSERT_EQ(map.roots.size(), 2u);
  EXPECT_EQ(os::toNative(L"c:\\P\\x.wdp", map), "/srv/projects/c/P/x.wdp");
  EXPECT_EQ(os::toNative(L"\\\\SERVER\\share\\x.wdp", map), "/mnt/\xC3\xBC/x.wdp");
  EXPECT_FALSE(os::toNative(L"D:\\x", map));
}

}  // namespace
}  // namespace vox::settings
