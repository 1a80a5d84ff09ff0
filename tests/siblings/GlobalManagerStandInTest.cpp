// The global manager stand-in and the code standards table.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/siblings/CodeStandardsTable.h"
#include "platform/siblings/GlobalManagerStandIn.h"

namespace vox::siblings {
namespace {

const std::wstring kPlant = L"C:\\Jobs\\Plant.wdp";
const std::wstring kMill = L"C:\\Jobs\\Mill.wdp";

HcResBuf text(const std::wstring& s) { return HcResBuf{kRtStr, s}; }

class GlobalManagerStandInTest : public ::testing::Test {
 protected:
  std::wstring global(const std::wstring& name) const {
    HcResBuf value;
    if (!globals.globalValue(name, value) || value.string() == nullptr) return L"<none>";
    return *value.string();
  }

  CallLog log;
  GlobalManagerStandIn globals{log};
};

TEST_F(GlobalManagerStandInTest, CurrentProjectMustBeOpenAndShowsInItsGlobal) {
  EXPECT_FALSE(globals.setCurrentProject(kPlant));
  ASSERT_TRUE(globals.openProject(kPlant));
  EXPECT_FALSE(globals.openProject(L"c:\\jobs\\PLANT.wdp")) << "already open";
  ASSERT_TRUE(globals.setCurrentProject(kPlant));
  EXPECT_EQ(global(L"gbl_WD_PRJ"), kPlant);

  ASSERT_TRUE(globals.closeProject(kPlant));
  EXPECT_EQ(global(L"GBL_wd_prj"), L"<none>");
  EXPECT_TRUE(globals.currentProject().empty());
  EXPECT_FALSE(globals.closeProject(kPlant));
}

TEST_F(GlobalManagerStandInTest, SwitchingProjectsKeepsEachProjectsGlobals) {
  ASSERT_TRUE(globals.openProject(kPlant));
  ASSERT_TRUE(globals.openProject(kMill));
  ASSERT_TRUE(globals.setCurrentProject(kPlant));
  globals.setGlobal(L"GBL_wd_usr", text(L"C:\\Users\\me"));
  globals.setGlobal(L"GBL_wd_sheet", text(L"1"));

  ASSERT_TRUE(globals.setCurrentProject(kMill));
  globals.setGlobal(L"GBL_wd_sheet", text(L"7"));
  ASSERT_TRUE(globals.setCurrentProject(kPlant));
  EXPECT_EQ(global(L"GBL_wd_sheet"), L"1");
  EXPECT_EQ(global(L"GBL_wd_prj"), kPlant);
  ASSERT_TRUE(globals.setCurrentProject(kMill));
  EXPECT_EQ(global(L"GBL_wd_sheet"), L"7");
  EXPECT_EQ(global(L"GBL_wd_usr"), L"C:\\Users\\me");
}

TEST_F(GlobalManagerStandInTest, BackupActiveSnapshotsTheCurrentGlobals) {
  EXPECT_FALSE(globals.backupActive()) << "no current project";
  ASSERT_TRUE(globals.openProject(kPlant));
  ASSERT_TRUE(globals.setCurrentProject(kPlant));
  globals.setGlobal(L"GBL_wd_sheet", text(L"3"));
  ASSERT_TRUE(globals.backupActive());
  globals.setGlobal(L"GBL_wd_sheet", text(L"4"));

  const auto kept = globals.backup(kPlant);
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->at(L"GBL_wd_sheet"), text(L"3"));
  ASSERT_TRUE(globals.closeProject(kPlant));
  EXPECT_FALSE(globals.backup(kPlant).has_value()) << "closing drops the copy";
}

TEST(CodeStandardsTableTest, CodesAreUniqueAndNecIsAmongThem) {
  CallLog log;
  const std::vector<VoxCodeStandard> standards = CodeStandardsTable(log).codeStandards();
  ASSERT_FALSE(standards.empty());
  std::vector<std::wstring> codes;
  for (const VoxCodeStandard& standard : standards) {
    EXPECT_FALSE(standard.displayName.empty());
    codes.push_back(standard.code);
  }
  EXPECT_NE(std::find(codes.begin(), codes.end(), L"NEC"), codes.end());
  std::sort(codes.begin(), codes.end());
  EXPECT_EQ(std::adjacent_find(codes.begin(), codes.end()), codes.end());
}

}  // namespace
}  // namespace vox::siblings
