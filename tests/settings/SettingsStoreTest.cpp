#include "platform/settings/JsonSettingsStore.h"

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"

namespace vox::settings {
namespace {

using test::kKey;
using test::StoreFolder;

TEST(SettingsStore, ValuesPersistForAnotherInstanceIgnoringCase) {
  const StoreFolder dir;
  JsonSettingsStore first(dir.folder);
  EXPECT_FALSE(first.getString(kKey, L"Folder"));
  ASSERT_TRUE(first.setString(kKey, L"Folder", L"\\home\\ü\\😀"));
  ASSERT_TRUE(first.setNumber(kKey, L"Show", -2147483647 - 1));
  const JsonSettingsStore second(dir.folder);
  EXPECT_EQ(second.getString(L"software\\VOXFOLIO\\r1\\settings", L"FOLDER"), L"\\home\\ü\\😀");
  EXPECT_EQ(second.getNumber(kKey, L"show"), -2147483647 - 1);
  EXPECT_EQ(second.getString(L"\\Software\\\\VoxFolio\\R1\\Settings\\", L"Folder"), L"\\home\\ü\\😀");
  EXPECT_FALSE(second.getString(L"Software\\VoxFolio\\R1", L"Folder"));  // only under exactly that key
  EXPECT_TRUE(second.valueNames(L"Software\\VoxFolio").empty());
}

TEST(SettingsStore, RewritingKeepsTheFirstSpelling) {
  const StoreFolder dir;
  JsonSettingsStore store(dir.folder);
  ASSERT_TRUE(store.setString(kKey, L"Folder", L"a"));
  ASSERT_TRUE(store.setString(L"SOFTWARE\\voxfolio\\R1\\SETTINGS", L"FOLDER", L"b"));
  ASSERT_TRUE(store.setNumber(kKey, L"Ärger", 1));
  ASSERT_TRUE(store.setNumber(kKey, L"äRGER", 2));  // case beyond ASCII folds too
  const JsonSettingsStore other(dir.folder);
  EXPECT_EQ(other.valueNames(kKey), (std::vector<std::wstring>{L"Folder", L"Ärger"}));
  EXPECT_EQ(other.getNumber(kKey, L"ärger"), 2);
  EXPECT_EQ(other.getString(kKey, L"folder"), L"b");
  EXPECT_NE(dir.read().find("\"Software\\\\VoxFolio\\\\R1\\\\Settings\""), std::string::npos);
  EXPECT_EQ(dir.read().find("SOFTWARE"), std::string::npos);
}

TEST(SettingsStore, StringsAndNumbersAreDifferentKinds) {
  const StoreFolder dir;
  JsonSettingsStore store(dir.folder);
  ASSERT_TRUE(store.setString(kKey, L"Text", L"12"));
  ASSERT_TRUE(store.setNumber(kKey, L"Number", 12));
  EXPECT_FALSE(store.getNumber(kKey, L"Text"));
  EXPECT_FALSE(store.getString(kKey, L"Number"));
  ASSERT_TRUE(store.setNumber(kKey, L"Text", 7));  // writing the other kind replaces it
  EXPECT_EQ(store.getNumber(kKey, L"Text"), 7);
  EXPECT_FALSE(store.getString(kKey, L"Text"));
}

TEST(SettingsStore, DeletingAValue) {
  const StoreFolder dir;
  JsonSettingsStore store(dir.folder);
  ASSERT_TRUE(store.setNumber(kKey, L"Show", 1));
  ASSERT_TRUE(store.setNumber(kKey, L"Keep", 2));
  EXPECT_TRUE(store.deleteValue(kKey, L"SHOW"));
  EXPECT_FALSE(store.deleteValue(kKey, L"Show"));
  EXPECT_FALSE(store.deleteValue(L"No\\Such\\Key", L"Show"));
  EXPECT_TRUE(store.lastError().empty());
  const JsonSettingsStore other(dir.folder);
  EXPECT_FALSE(other.getNumber(kKey, L"Show"));
  EXPECT_EQ(other.valueNames(kKey), std::vector<std::wstring>{L"Keep"});
}

TEST(SettingsStore, TextTheFileCannotHoldIsRefused) {
  const StoreFolder dir;
  JsonSettingsStore store(dir.folder);
  ASSERT_TRUE(store.setString(kKey, L"Folder", L"kept"));
  EXPECT_FALSE(store.setString(kKey, L"Folder", std::wstring(L"raw byte \xDC80")));
  EXPECT_FALSE(store.lastError().empty());
  EXPECT_FALSE(store.setNumber(kKey, std::wstring(1, static_cast<wchar_t>(0x110000)), 1));
  EXPECT_EQ(JsonSettingsStore(dir.folder).getString(kKey, L"Folder"), L"kept");
}

TEST(SettingsStore, FolderIsCreatedOnTheFirstChangeOnly) {
  const StoreFolder dir;
  const std::string folder = dir.folder + "/a/b";
  JsonSettingsStore store(folder);
  EXPECT_FALSE(store.getNumber(kKey, L"x"));
  EXPECT_FALSE(std::filesystem::exists(folder));
  ASSERT_TRUE(store.setNumber(kKey, L"x", 1));
  EXPECT_TRUE(std::filesystem::exists(folder + "/registry.json"));

  vox::test::writeNative(dir.folder + "/file", "");
  JsonSettingsStore blocked(dir.folder + "/file/sub");
  EXPECT_FALSE(blocked.setNumber(kKey, L"x", 1));
  EXPECT_NE(blocked.lastError().find(L"file/sub"), std::wstring::npos);
}

TEST(SettingsStore, AnUnchangedValueDoesNotRewriteTheFile) {
  const StoreFolder dir;
  JsonSettingsStore store(dir.folder);
  ASSERT_TRUE(store.setNumber(kKey, L"x", 1));
  const FileStamp before = stampOf(dir.file());
  ASSERT_TRUE(store.setNumber(kKey, L"X", 1));
  EXPECT_EQ(stampOf(dir.file()), before);
}

}  // namespace
}  // namespace vox::settings
