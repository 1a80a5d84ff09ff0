// Path repair when a project is opened, on real folders: a moved project folder, drawings found
// beside the project, a drawing the user points to, and a repair that cannot be saved because
// another user's process holds the project's lock.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/ModuleObjects.h"
#include "core/VoxPrmProjectManager.h"
#include "host/ResourceText.h"
#include "locking/ProjectFileLockerAdapter.h"
#include "platform/os/NativePath.h"
#include "support/ChildProcess.h"
#include "support/HostFixture.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;

class PathRepair : public StandInHostFixture {
 protected:
  PathRepair() : manager(core::ManagerParts{{}, [] { return locking::makeProjectFileLocker(); }}) {
    core::installModuleObjects({&manager, nullptr, nullptr});
  }
  ~PathRepair() override { core::installModuleObjects({}); }

  // A project in `folder` listing its drawings A and B by absolute paths in `listedFolder`.
  std::wstring projectListing(const std::string& folder, const std::string& listedFolder) {
    fs::create_directories(temp.native(folder));
    const std::wstring listed = temp.path(std::wstring(listedFolder.begin(), listedFolder.end()));
    writeNative(temp.native(folder + "/P.wdp"), os::encodeFileName(listed + L"\\A.dwg\r\n" + listed + L"\\B.dwg\r\n"));
    return temp.path(std::wstring(folder.begin(), folder.end()) + L"\\P.wdp");
  }
  void drawing(const std::string& relative) {
    fs::create_directories(fs::path(temp.native(relative)).parent_path());
    writeNative(temp.native(relative), "{}");
  }
  std::vector<std::wstring> paths() const {
    std::vector<std::wstring> out;
    for (const auto& entry : manager.getProject(0)->getProjFileDetails()) out.push_back(entry.fileName);
    return out;
  }

  VoxPrmProjectManager manager;
};

TEST_F(PathRepair, AMovedProjectFolderIsRepointedAndSavedUnderTheLock) {
  const std::wstring p = projectListing("moved", "old");  // the drawings moved along, "old" is gone
  drawing("moved/A.dwg");
  drawing("moved/B.dwg");
  const std::string before = readNative(temp.native("moved/P.wdp"));
  answers.queueAnswer(HcAnswer::kOk);
  ASSERT_TRUE(manager.openProject(p.c_str(), true, false));
  ASSERT_EQ(answers.asked().size(), 1u);
  EXPECT_EQ(answers.asked()[0].caption, host::resourceText(133));  // case A
  EXPECT_EQ(paths(), (std::vector<std::wstring>{temp.path(L"moved\\A.dwg"), temp.path(L"moved\\B.dwg")}));
  EXPECT_NE(readNative(temp.native("moved/P.wdp")), before);  // written
  EXPECT_FALSE(fs::exists(temp.native("moved/P.wdp.FLL")));  // and the lock released
}

TEST_F(PathRepair, RelativeProjectsNeedNoRepair) {
  fs::create_directories(temp.native("rel"));
  writeNative(temp.native("rel/P.wdp"), "A.dwg\r\nsub/B.dwg\r\n");
  drawing("rel/A.dwg");
  drawing("rel/sub/B.dwg");
  ASSERT_TRUE(manager.openProject(temp.path(L"rel\\P.wdp").c_str(), true, false));
  EXPECT_TRUE(answers.asked().empty());
}

TEST_F(PathRepair, SomeDrawingsBesideTheProjectAndOneTheUserPointsTo) {
  const std::wstring p = projectListing("proj", "gone");
  drawing("proj/A.dwg");           // case B for A: found beside the project
  drawing("elsewhere/B.dwg");      // B only where the user points
  answers.queueAnswer(HcAnswer::kOk);
  answers.queueAnswer(HcAnswer::kOk);
  answers.queueReply(temp.path(L"elsewhere\\B.dwg"));
  ASSERT_TRUE(manager.openProject(p.c_str(), true, false));
  ASSERT_EQ(answers.asked().size(), 3u);
  EXPECT_EQ(answers.asked()[0].caption, host::resourceText(135));  // case B
  EXPECT_EQ(answers.asked()[1].caption, host::resourceText(137));  // case C
  EXPECT_EQ(paths(), (std::vector<std::wstring>{temp.path(L"proj\\A.dwg"), temp.path(L"elsewhere\\B.dwg")}));
}

TEST_F(PathRepair, ARepairThatCannotBeSavedNamesTheLockHolder) {
  const std::wstring p = projectListing("held", "old");
  drawing("held/A.dwg");
  drawing("held/B.dwg");
  ChildProcess other(LOCK_HELPER_PATH, {"hold", temp.native("held/P.wdp")}, {{"LOCK_HELPER_LOGIN", "bob"}});
  ASSERT_EQ(other.readLine(), "locked");
  const std::string before = readNative(temp.native("held/P.wdp"));
  answers.queueAnswer(HcAnswer::kOk);
  ASSERT_TRUE(manager.openProject(p.c_str(), true, false));
  ASSERT_EQ(answers.asked().size(), 2u);
  EXPECT_EQ(answers.asked()[1].caption, host::resourceText(179));
  EXPECT_EQ(answers.asked()[1].icon, HcIcon::kError);
  EXPECT_NE(answers.asked()[1].text.find(L"bob"), std::wstring::npos) << answers.asked()[1].text;
  EXPECT_EQ(readNative(temp.native("held/P.wdp")), before);  // not written
  EXPECT_EQ(paths()[0], temp.path(L"held\\A.dwg"));         // but repaired in memory
  other.writeLine("");
  EXPECT_EQ(other.readLine(), "unlocked");
}

TEST_F(PathRepair, CancellingLeavesThePathsAsRead) {
  const std::wstring p = projectListing("cancel", "old");
  drawing("cancel/A.dwg");
  drawing("cancel/B.dwg");
  answers.queueAnswer(HcAnswer::kCancel);
  ASSERT_TRUE(manager.openProject(p.c_str(), true, false));
  EXPECT_EQ(paths()[0], temp.path(L"old\\A.dwg"));
}

}  // namespace
}  // namespace vox::test
