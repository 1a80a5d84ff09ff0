// The project-monitor client stand-in.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/siblings/PmClientStandIn.h"

namespace vox::siblings {
namespace {

using Files = std::vector<std::wstring>;

const std::wstring kProject = L"C:\\Jobs\\Plant\\Plant.wdp";

EnvironmentLookup environment(std::map<std::string, std::string> values) {
  return [values](const std::string& name) -> std::optional<std::string> {
    const auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
  };
}

class PmClientStandInTest : public ::testing::Test {
 protected:
  CallLog log;
  PmClientStandIn client{environment({}), log};
};

TEST_F(PmClientStandInTest, HelperFlagComesFromTheEnvironment) {
  EXPECT_FALSE(client.isHelperProcess());
  EXPECT_TRUE(PmClientStandIn(environment({{"VOXFOLIO_PM_HELPER", "1"}}), log).isHelperProcess());
  EXPECT_FALSE(PmClientStandIn(environment({{"VOXFOLIO_PM_HELPER", "0"}}), log).isHelperProcess());
  EXPECT_FALSE(PmClientStandIn(EnvironmentLookup(), log).isHelperProcess());
}

TEST_F(PmClientStandInTest, DatabaseIsDerivedFromTheProjectFileUnlessGiven) {
  std::wstring db;
  ASSERT_TRUE(client.projectDb(kProject, db));
  EXPECT_EQ(db, L"C:\\Jobs\\Plant\\Plant.mdb");
  EXPECT_FALSE(client.projectDb(L"Plant.wdp", db)) << "no folder to put it in";

  ASSERT_TRUE(client.openProject(kProject, L"D:\\User\\PLANT.mdb", 0, 0, 0));
  ASSERT_TRUE(client.projectDb(L"c:\\jobs\\plant\\PLANT.WDP", db));
  EXPECT_EQ(db, L"D:\\User\\PLANT.mdb");
  ASSERT_TRUE(client.closeProject(kProject));
  ASSERT_TRUE(client.openProject(kProject, nullptr, 0, 0, 0));
  ASSERT_TRUE(client.projectDb(kProject, db));
  EXPECT_EQ(db, L"D:\\User\\PLANT.mdb") << "opening without a database keeps the one given before";
}

TEST_F(PmClientStandInTest, MonitoredSetIgnoresCaseAndNeedsAnOpenProject) {
  EXPECT_FALSE(client.monitorFile(kProject, L"C:\\Jobs\\Plant\\A.dwg", true));
  ASSERT_TRUE(client.openProject(kProject, nullptr, 0, 0, 0));
  EXPECT_TRUE(client.monitorFiles(kProject, {L"C:\\Jobs\\Plant\\A.dwg", L"C:\\Jobs\\Plant\\B.dwg"}, true));
  EXPECT_TRUE(client.monitorFile(L"C:\\JOBS\\PLANT\\PLANT.WDP", L"c:\\jobs\\plant\\a.DWG", true));
  EXPECT_EQ(client.monitoredFiles(kProject), (Files{L"C:\\Jobs\\Plant\\A.dwg", L"C:\\Jobs\\Plant\\B.dwg"}));

  EXPECT_TRUE(client.monitorFiles(kProject, {L"C:\\JOBS\\PLANT\\B.DWG"}, false));
  EXPECT_TRUE(client.isMonitored(kProject, L"C:\\JOBS\\PLANT\\A.DWG"));
  EXPECT_FALSE(client.isMonitored(kProject, L"C:\\Jobs\\Plant\\B.dwg"));

  ASSERT_TRUE(client.closeProject(kProject));
  EXPECT_TRUE(client.monitoredFiles(kProject).empty()) << "closing stops watching";
}

TEST_F(PmClientStandInTest, OpenActiveAndFlushState) {
  EXPECT_FALSE(client.flushActive()) << "nothing active";
  ASSERT_TRUE(client.openProject(kProject, nullptr, 0, 0, 0));
  ASSERT_TRUE(client.setActive(kProject));
  ASSERT_TRUE(client.setProjectVar(kProject, L"IEC", true));
  ASSERT_TRUE(client.projectLoaded(kProject));
  EXPECT_EQ(client.projectVar(kProject, L"iec"), true);
  EXPECT_EQ(client.loadedCount(kProject), 1);
  EXPECT_TRUE(client.hasPendingChanges(kProject));
  EXPECT_TRUE(client.flushActive());
  EXPECT_FALSE(client.hasPendingChanges(kProject));

  ASSERT_TRUE(client.closeProject(kProject));
  EXPECT_FALSE(client.isOpen(kProject));
  EXPECT_TRUE(client.activeProject().empty());
  EXPECT_FALSE(client.closeProject(kProject)) << "already closed";
  EXPECT_FALSE(client.setProjectVar(kProject, L"IEC", false));
  EXPECT_FALSE(client.projectLoaded(kProject));
}

TEST_F(PmClientStandInTest, RenamesComeInPairsAndMoveTheWatchedDrawing) {
  const std::wstring oldPath = L"C:\\Jobs\\Plant\\A.dwg";
  ASSERT_TRUE(client.openProject(kProject, nullptr, 0, 0, 0));
  ASSERT_TRUE(client.monitorFile(kProject, oldPath, true));

  EXPECT_FALSE(client.renameCompleted(kProject, oldPath, L"C:\\Jobs\\Plant\\B.dwg")) << "never started";
  ASSERT_TRUE(client.renameStarted(kProject, oldPath));
  EXPECT_FALSE(client.renameStarted(kProject, L"c:\\jobs\\plant\\a.dwg")) << "already under way";
  ASSERT_TRUE(client.renameCompleted(kProject, L"C:\\JOBS\\PLANT\\A.DWG", L"C:\\Jobs\\Plant\\B.dwg"));
  EXPECT_EQ(client.monitoredFiles(kProject), Files{L"C:\\Jobs\\Plant\\B.dwg"});

  ASSERT_TRUE(client.renameStarted(kProject, L"C:\\Jobs\\Plant\\B.dwg"));
  ASSERT_TRUE(client.renameCompleted(kProject, L"C:\\Jobs\\Plant\\B.dwg", nullptr));
  EXPECT_EQ(client.monitoredFiles(kProject), Files{L"C:\\Jobs\\Plant\\B.dwg"}) << "a failed rename moves nothing";

  ASSERT_EQ(client.renames().size(), 2u);
  EXPECT_EQ(client.renames()[0], (RenameNotice{kProject, oldPath, true, L"C:\\Jobs\\Plant\\B.dwg"}));
  EXPECT_EQ(client.renames()[1], (RenameNotice{kProject, L"C:\\Jobs\\Plant\\B.dwg", true, std::nullopt}));
}

TEST_F(PmClientStandInTest, FileLockedUntilUnlocked) {
  const std::wstring drawing = L"C:\\Jobs\\Plant\\A.dwg";
  EXPECT_FALSE(client.unlockFile(drawing)) << "was not locked";
  ASSERT_TRUE(client.lockFile(drawing));
  EXPECT_FALSE(client.lockFile(L"C:\\JOBS\\PLANT\\A.DWG"));
  EXPECT_TRUE(client.isFileLocked(drawing));
  ASSERT_TRUE(client.unlockFile(L"c:\\jobs\\plant\\a.dwg"));
  EXPECT_FALSE(client.isFileLocked(drawing));
}

TEST_F(PmClientStandInTest, CallsAreLogged) {
  client.openProject(kProject, nullptr, 0, 0, 0);
  client.monitorFiles(kProject, {L"A.dwg", L"B.dwg"}, true);
  client.renameCompleted(kProject, L"A.dwg", nullptr);
  EXPECT_EQ(log.lines(), (Files{L"PmOpenProject(" + kProject + L", null, 0, 0, 0)",
                               L"PmMonitorFiles(" + kProject + L", [A.dwg, B.dwg], 1)",
                               L"PmRenameCompleted(" + kProject + L", A.dwg, null)"}));
}

}  // namespace
}  // namespace vox::siblings
