// The module's sibling functions with the stand-ins installed, and with nothing installed.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/VoxCircuitBuilder.h"
#include "host/VoxMDIGblManager.h"
#include "host/VoxPmClientApp.h"
#include "host/VoxSiblingServices.h"
#include "host/VoxUtils.h"
#include "platform/settings/JsonSettingsStore.h"
#include "platform/siblings/SiblingStandIns.h"
#include "support/TempDir.h"

namespace vox::siblings {
namespace {

using test::TempDir;

EnvironmentLookup helperEnvironment() {
  return [](const std::string& name) -> std::optional<std::string> {
    if (name == kHelperProcessVariable) return std::string("1");
    return std::nullopt;
  };
}

class SiblingFunctionsTest : public ::testing::Test {
 protected:
  SiblingFunctionsTest() { voxInstallSiblingServices(standIns.services()); }
  ~SiblingFunctionsTest() override { voxInstallSiblingServices({}); }

  TempDir temp;
  settings::JsonSettingsStore store{temp.native("config")};
  SiblingStandIns standIns{&store, temp.path(), helperEnvironment()};
};

TEST_F(SiblingFunctionsTest, RegistryRoundTrip) {
  ASSERT_TRUE(VoxSetRegSetting(L"Ladder", L"Spacing", L"0.75"));
  std::wstring value;
  ASSERT_TRUE(VoxGetRegSetting(L"Ladder", L"Spacing", value));
  EXPECT_EQ(value, L"0.75");
  // Another instance sees it in the same store file.
  settings::JsonSettingsStore again(temp.native("config"));
  EXPECT_EQ(again.getString(std::wstring(kAddOnSettingsRoot) + L"\\Ladder", L"Spacing"), L"0.75");
}

TEST_F(SiblingFunctionsTest, LocksUsageAndCursorReachTheUtilities) {
  std::vector<std::wstring> locked;
  ASSERT_TRUE(LispCheckFileLockStatusAndLock({temp.path(L"P.wdp")}, 1, 0, locked));
  EXPECT_TRUE(standIns.utils().locks().holds(temp.path(L"P.wdp")));
  ASSERT_TRUE(LispUpdUnlockFiles(locked));
  EXPECT_FALSE(standIns.utils().locks().holds(temp.path(L"P.wdp")));

  EXPECT_TRUE(VoxBeginWaitCursor());
  EXPECT_TRUE(standIns.utils().waitCursor().shown());
  VoxEndWaitCursor();
  EXPECT_FALSE(standIns.utils().waitCursor().shown());

  VoxKivEmitter(L"VOXNAV");
  EXPECT_NE(test::readNative(temp.native("usage.log")).find("\tVOXNAV\n"), std::string::npos);
}

TEST_F(SiblingFunctionsTest, ProjectMonitorAndGlobalsReachTheirStandIns) {
  const std::wstring project = temp.path(L"Plant.wdp");
  EXPECT_TRUE(PmIsHelperProcess());
  ASSERT_TRUE(PmOpenProject(project, nullptr, 0, 0, 0));
  ASSERT_TRUE(PmMonitorFile(project, temp.path(L"A.dwg"), true));
  ASSERT_TRUE(PmProjectLoaded(project));
  EXPECT_TRUE(standIns.pmClient().isMonitored(project, temp.path(L"A.dwg")));

  ASSERT_TRUE(GblPm_Open_Project(project));
  ASSERT_TRUE(GblPm_SetCurrent_Project(project));
  HcResBuf value;
  ASSERT_TRUE(GblPm_GetGblValue(L"GBL_wd_prj", value));
  EXPECT_EQ(value, (HcResBuf{kRtStr, project}));
  EXPECT_FALSE(VoxCodeStandards().empty());

  EXPECT_EQ(standIns.log().count(L"PmMonitorFile"), 1u);
  EXPECT_EQ(standIns.log().calls().back().name, L"VoxCodeStandards");
}

TEST_F(SiblingFunctionsTest, DatabasePathOfMoreThan259CharactersFails) {
  const std::wstring folder = L"C:\\" + std::wstring(250, L'f');
  std::wstring db = L"unchanged";
  ASSERT_TRUE(PmGetProjectDb(folder + L"\\P.wdp", db));  // 259 characters
  EXPECT_EQ(db.size(), 259u);
  db = L"unchanged";
  EXPECT_FALSE(PmGetProjectDb(folder + L"\\PP.wdp", db));
  EXPECT_EQ(db, L"unchanged");
}

TEST(SiblingFunctionsNotInstalledTest, EveryFunctionFails) {
  voxInstallSiblingServices({});
  std::vector<std::wstring> locked;
  std::wstring out = L"unchanged";
  HcResBuf value;
  EXPECT_FALSE(LispCheckFileLockStatusAndLock({L"C:\\P.wdp"}, 1, 0, locked));
  EXPECT_FALSE(LispUpdUnlockFiles({L"C:\\P.wdp"}));
  EXPECT_FALSE(VoxSetRegSetting(L"K", L"N", L"v"));
  EXPECT_FALSE(VoxGetRegSetting(L"K", L"N", out));
  EXPECT_FALSE(VoxBeginWaitCursor());
  VoxEndWaitCursor();
  VoxKivEmitter(L"VOXNAV");
  EXPECT_FALSE(PmIsHelperProcess());
  EXPECT_FALSE(PmOpenProject(L"C:\\P.wdp", nullptr, 0, 0, 0));
  EXPECT_FALSE(PmGetProjectDb(L"C:\\P.wdp", out));
  EXPECT_FALSE(PmMonitorFiles(L"C:\\P.wdp", {L"C:\\A.dwg"}, true));
  EXPECT_FALSE(PmRenameStarted(L"C:\\P.wdp", L"C:\\A.dwg"));
  EXPECT_FALSE(GblPm_Open_Project(L"C:\\P.wdp"));
  EXPECT_FALSE(GblPm_Backup_Active());
  EXPECT_FALSE(GblPm_GetGblValue(L"GBL_wd_prj", value));
  EXPECT_TRUE(VoxCodeStandards().empty());
  EXPECT_TRUE(locked.empty());
  EXPECT_EQ(out, L"unchanged");
}

}  // namespace
}  // namespace vox::siblings
