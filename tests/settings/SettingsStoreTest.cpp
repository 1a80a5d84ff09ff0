#include "platform/settings/JsonSettingsStore.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "platform/settings/RootMapSettings.h"
#include "support/TempDir.h"

namespace vox::settings {
namespace {

using test::readNative;
using test::TempDir;
using test::writeNative;

const std::wstring kKey = L"Software\\VoxFolio\\R1\\Settings";

TEST(SettingsStore, PersistsAcrossInstancesIgnoringCase) {
  const TempDir dir;
  JsonSettingsStore first(dir.native("cfg"));
  EXPECT_FALSE(first.getString(kKey, L"Folder"));
  ASSERT_TRUE(first.setString(kKey, L"Folder", L"\\home\\ü"));
  ASSERT_TRUE(first.setNumber(kKey, L"Show", -5));
  const JsonSettingsStore second(dir.native("cfg"));
  EXPECT_EQ(second.getString(L"software\\VOXFOLIO\\r1\\settings", L"FOLDER"), L"\\home\\ü");
  EXPECT_EQ(second.getNumber(kKey, L"show"), -5);
  EXPECT_FALSE(second.getNumber(kKey, L"Folder"));  // a string is not a number
  EXPECT_FALSE(second.getString(kKey, L"Show"));
  ASSERT_TRUE(first.setString(L"SOFTWARE\\voxfolio\\R1\\SETTINGS", L"folder", L"again"));
  EXPECT_EQ(second.valueNames(kKey), (std::vector<std::wstring>{L"Folder", L"Show"}));  // first spelling kept
  EXPECT_EQ(second.getString(kKey, L"Folder"), L"again");
  ASSERT_TRUE(first.deleteValue(kKey, L"SHOW"));
  EXPECT_FALSE(second.getNumber(kKey, L"Show"));
  EXPECT_FALSE(first.deleteValue(kKey, L"Show"));
}

TEST(SettingsStore, InterleavedInstancesLoseNothingAndUnknownMembersStay) {
  const TempDir dir;
  std::filesystem::create_directories(dir.native("cfg"));
  writeNative(dir.native("cfg/registry.json"), R"({"comment": "kept", "keys": {"Other": {"x": [1, 2]}}})");
  JsonSettingsStore a(dir.native("cfg")), b(dir.native("cfg"));
  for (int i = 0; i < 20; ++i) {
    ASSERT_TRUE(a.setNumber(kKey, L"a" + std::to_wstring(i), i));
    ASSERT_TRUE(b.setNumber(kKey, L"b" + std::to_wstring(i), i));
  }
  EXPECT_EQ(a.valueNames(kKey).size(), 40u);
  const std::string text = readNative(dir.native("cfg/registry.json"));
  EXPECT_NE(text.find("\"comment\": \"kept\""), std::string::npos);
  EXPECT_NE(text.find("\"x\""), std::string::npos);
}

TEST(SettingsStore, TwoProcessesWritingAtOnceLoseNothing) {
  const TempDir dir;
  const std::string folder = dir.native("cfg");
  std::vector<pid_t> children;
  for (const char* prefix : {"p", "q"}) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      JsonSettingsStore store(folder);
      bool ok = true;
      for (int i = 0; i < 200; ++i) ok = store.setNumber(kKey, os::decodeFileName(prefix) + std::to_wstring(i), i) && ok;
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(pid);
  }
  for (const pid_t pid : children) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const JsonSettingsStore reader(folder);
  EXPECT_EQ(reader.valueNames(kKey).size(), 400u);
  EXPECT_EQ(reader.getNumber(kKey, L"q199"), 199);
}

TEST(SettingsStore, AnUnreadableFileIsKeptAsideNotOverwritten) {
  const TempDir dir;
  std::filesystem::create_directories(dir.native("cfg"));
  writeNative(dir.native("cfg/registry.json"), "{\"keys\": {\"A\": tru");
  JsonSettingsStore store(dir.native("cfg"));
  EXPECT_FALSE(store.getString(L"A", L"x"));
  EXPECT_TRUE(store.lastError().empty());
  ASSERT_TRUE(store.setString(L"A", L"x", L"y"));
  EXPECT_NE(store.lastError().find(L"corrupt-1"), std::wstring::npos);
  EXPECT_EQ(readNative(dir.native("cfg/registry.json.corrupt-1")), "{\"keys\": {\"A\": tru");
  EXPECT_EQ(store.getString(L"A", L"x"), L"y");
}

TEST(SettingsStore, FolderFromTheEnvironment) {
  std::map<std::string, std::string> env;
  const auto getenv = [&](const char* name) -> const char* {
    const auto it = env.find(name);
    return it == env.end() ? nullptr : it->second.c_str();
  };
  env["HOME"] = "/home/u";
  EXPECT_EQ(settingsFolder(getenv), "/home/u/.config/voxfolio");
  env["XDG_CONFIG_HOME"] = "/xdg";
  EXPECT_EQ(settingsFolder(getenv), "/xdg/voxfolio");
  env["VOXFOLIO_CONFIG_HOME"] = "/own";
  EXPECT_EQ(settingsFolder(getenv), "/own");
}

TEST(SettingsStore, DrivesMapToNativeFolders) {
  const TempDir dir;
  JsonSettingsStore store(dir.native("cfg"));
  store.setString(kDrivesKey, L"C:", L"/srv/projects/c");
  store.setString(kDrivesKey, L"\\\\server\\share", L"/mnt/share");
  store.setNumber(kDrivesKey, L"D:", 4);  // not a folder: ignored
  const os::RootMap map = loadRootMap(store);
  ASSERT_EQ(map.roots.size(), 2u);
  EXPECT_EQ(os::toNative(L"c:\\P\\x.wdp", map), "/srv/projects/c/P/x.wdp");
  EXPECT_EQ(os::toNative(L"\\\\SERVER\\share\\x.wdp", map), "/mnt/share/x.wdp");
}

}  // namespace
}  // namespace vox::settings
