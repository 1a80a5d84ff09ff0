#include <gtest/gtest.h>

#include "SettingsTestSupport.h"

namespace vox::settings {
namespace {

using test::kKey;
using test::StoreFolder;
using vox::test::readNative;

TEST(SettingsBadFile, NotJsonReadsAsEmptyAndIsKeptAsideByTheNextChange) {
  for (const std::string& bad : {std::string("{\"keys\": {\"A\": tru"), std::string("\x01\xff\xfe binary", 10),
                                std::string("[1, 2]"), std::string(200, '[') + std::string(200, ']')}) {
    SCOPED_TRACE(bad);
    const StoreFolder dir;
    dir.write(bad);
    JsonSettingsStore store(dir.folder);
    EXPECT_FALSE(store.getString(L"A", L"x"));
    EXPECT_NE(store.lastError().find(L"keeps it aside"), std::wstring::npos);
    ASSERT_TRUE(store.setString(L"A", L"x", L"y"));
    EXPECT_NE(store.lastError().find(L"registry.json.corrupt-1"), std::wstring::npos);
    EXPECT_EQ(readNative(dir.file() + ".corrupt-1"), bad);
    EXPECT_EQ(JsonSettingsStore(dir.folder).getString(L"A", L"x"), L"y");
  }
}

TEST(SettingsBadFile, EarlierCopiesKeptAsideStay) {
  const StoreFolder dir;
  dir.write("first");
  vox::test::writeNative(dir.file() + ".corrupt-1", "older");
  JsonSettingsStore store(dir.folder);
  EXPECT_FALSE(store.deleteValue(L"A", L"x"));
  EXPECT_NE(store.lastError().find(L"corrupt-2"), std::wstring::npos);
  EXPECT_EQ(readNative(dir.file() + ".corrupt-1"), "older");
  EXPECT_EQ(readNative(dir.file() + ".corrupt-2"), "first");
  EXPECT_TRUE(JsonSettingsStore(dir.folder).valueNames(L"A").empty());
}

TEST(SettingsBadFile, PartsOfTheWrongShapeAreDroppedButTheRestIsKept) {
  const StoreFolder dir;
  const std::string text = R"({"keys": {"Good": {"n": 5, "s": "t", "f": 1.5, "big": 4294967296, "list": [1]},
                                       "Bad": 7}, "comment": "kept"})";
  dir.write(text);
  JsonSettingsStore store(dir.folder);
  EXPECT_EQ(store.getNumber(L"good", L"N"), 5);
  EXPECT_FALSE(store.getNumber(L"Good", L"big"));  // beyond 32 bits: not a number value
  EXPECT_EQ(store.valueNames(L"Good"), (std::vector<std::wstring>{L"n", L"s"}));
  EXPECT_NE(store.lastError().find(L"Bad"), std::wstring::npos);
  ASSERT_TRUE(store.setNumber(L"Good", L"m", 6));
  EXPECT_EQ(readNative(dir.file() + ".corrupt-1"), text);
  const std::string rewritten = dir.read();
  for (const char* kept : {"\"comment\": \"kept\"", "\"f\": 1.5", "\"big\": 4294967296", "\"list\"", "\"s\": \"t\""})
    EXPECT_NE(rewritten.find(kept), std::string::npos) << kept;
  EXPECT_EQ(rewritten.find("Bad"), std::string::npos);
  EXPECT_EQ(JsonSettingsStore(dir.folder).getNumber(L"Good", L"m"), 6);
}

TEST(SettingsBadFile, AnEmptyFileIsAnEmptyStore) {
  const StoreFolder dir;
  dir.write("");
  JsonSettingsStore store(dir.folder);
  EXPECT_TRUE(store.valueNames(kKey).empty());
  EXPECT_TRUE(store.lastError().empty());
  ASSERT_TRUE(store.setNumber(kKey, L"x", 1));
  EXPECT_FALSE(std::filesystem::exists(dir.file() + ".corrupt-1"));
}

TEST(SettingsBadFile, AFileThatCannotBeReadIsNotReplaced) {
  const StoreFolder dir;
  std::filesystem::create_directories(dir.file());  // opens, but reading fails
  vox::test::writeNative(dir.file() + "/inside", "x");
  JsonSettingsStore store(dir.folder);
  EXPECT_FALSE(store.getNumber(L"A", L"x"));
  EXPECT_NE(store.lastError().find(L"cannot read"), std::wstring::npos);
  EXPECT_FALSE(store.setNumber(L"A", L"y", 2));
  EXPECT_NE(store.lastError().find(L"cannot read"), std::wstring::npos);
  EXPECT_EQ(readNative(dir.file() + "/inside"), "x");
}

}  // namespace
}  // namespace vox::settings
