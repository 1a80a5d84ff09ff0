// The utility library stand-in: registry settings, wait cursor, usage log, call log.

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/settings/JsonSettingsStore.h"
#include "platform/siblings/UtilsStandIn.h"
#include "support/TempDir.h"

namespace vox::siblings {
namespace {

using test::TempDir;

class UtilsStandInTest : public ::testing::Test {
 protected:
  TempDir temp;
  settings::JsonSettingsStore store{temp.native("config")};
  CallLog log;
  UtilsStandIn utils{&store, temp.path(), log};
};

TEST_F(UtilsStandInTest, SettingsLiveUnderTheAddOnKey) {
  ASSERT_TRUE(utils.setRegSetting(L"\\Ladder\\", L"Spacing", L"0.5"));
  EXPECT_EQ(store.getString(L"Software\\VoxFolio\\Electrical\\Ladder", L"spacing"), L"0.5");

  std::wstring value;
  EXPECT_TRUE(utils.getRegSetting(L"LADDER", L"SPACING", value));
  EXPECT_EQ(value, L"0.5");
  EXPECT_FALSE(utils.getRegSetting(L"Ladder", L"Missing", value));
  EXPECT_EQ(value, L"0.5") << "a failed read leaves the output alone";

  store.setNumber(std::wstring(kAddOnSettingsRoot), L"Count", -12);
  EXPECT_TRUE(utils.getRegSetting(L"", L"Count", value));
  EXPECT_EQ(value, L"-12");
}

TEST_F(UtilsStandInTest, SettingsWithoutStoreFail) {
  UtilsStandIn storeless(nullptr, temp.path(), log);
  std::wstring value;
  EXPECT_FALSE(storeless.setRegSetting(L"K", L"N", L"v"));
  EXPECT_FALSE(storeless.getRegSetting(L"K", L"N", value));
}

TEST_F(UtilsStandInTest, WaitCursorNestsAndToleratesUnmatchedEnd) {
  utils.endWaitCursor();
  EXPECT_FALSE(utils.waitCursor().shown());
  EXPECT_TRUE(utils.beginWaitCursor());
  EXPECT_TRUE(utils.beginWaitCursor());
  utils.endWaitCursor();
  EXPECT_TRUE(utils.waitCursor().shown());
  utils.endWaitCursor();
  EXPECT_FALSE(utils.waitCursor().shown());
  EXPECT_TRUE(utils.beginWaitCursor());
  EXPECT_EQ(utils.waitCursor().depth(), 1);
}

TEST_F(UtilsStandInTest, UsageLogAppendsOneLinePerUse) {
  utils.recordUse(L"VOXNAV");
  utils.recordUse(L"PROJ\tPROPS\n");
  std::istringstream lines(test::readNative(temp.native("usage.log")));
  const std::regex stamped(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\t(.*))");
  std::vector<std::string> names;
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    ASSERT_TRUE(std::regex_match(line, match, stamped)) << line;
    names.push_back(match[1]);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"VOXNAV", "PROJ PROPS "}));
}

TEST_F(UtilsStandInTest, UsageLogInMissingFolderLosesTheLineQuietly) {
  const UsageLog missing(temp.path(L"no\\such\\folder"));
  EXPECT_FALSE(missing.record(L"VOXNAV"));
  UtilsStandIn elsewhere(&store, temp.path(L"no\\such\\folder"), log);
  EXPECT_NO_THROW(elsewhere.recordUse(L"VOXNAV"));
}

TEST_F(UtilsStandInTest, CallsAreLoggedWithTheirArguments) {
  std::vector<std::wstring> locked;
  utils.checkFileLockStatusAndLock({temp.path(L"A.dwg"), temp.path(L"B.dwg")}, 1, 1, locked);
  utils.unlockFiles(locked);
  utils.recordUse(L"VOXNAV");
  EXPECT_EQ(log.lines(), (std::vector<std::wstring>{
                             L"LispCheckFileLockStatusAndLock([" + temp.path(L"A.dwg") + L", " + temp.path(L"B.dwg") +
                                 L"], 1, 1)",
                             L"LispUpdUnlockFiles([" + temp.path(L"A.dwg") + L", " + temp.path(L"B.dwg") + L"])",
                             L"VoxKivEmitter(VOXNAV)"}));
}

}  // namespace
}  // namespace vox::siblings
