// How inotify events and looks at the disk become callbacks, without waiting for the kernel.

#include <gtest/gtest.h>
#include <sys/inotify.h>

#include "MonitorTestSupport.h"
#include "platform/monitor/FolderEvents.h"
#include "platform/monitor/FolderScan.h"
#include "platform/monitor/NetworkFileSystem.h"

namespace vox::monitor::test {
namespace {

constexpr int kWd = 7;

class FolderEventsTest : public ::testing::Test {
 protected:
  FolderEventsTest() {
    list.add(dir.path(L"P.wdp"));
    list.add(dir.path(L"P.wdp.FLL"));
    WatchedFolder& folder = list.folders().at(dir.native());
    folder.mode = FolderMode::kInotify;
    folder.wd = kWd;
  }
  std::vector<Notification> run(const std::vector<InotifyEvent>& events) {
    return translateFolderEvents(events, list).notifications;
  }
  static InotifyEvent event(std::uint32_t mask, const std::string& name, std::uint32_t cookie = 0) {
    return {kWd, mask, cookie, name};
  }

  vox::test::TempDir dir;
  WatchList list;
};

TEST_F(FolderEventsTest, OneSaveIsOneContentChangeAndOtherNamesAreIgnored) {
  const auto out = run({event(IN_MODIFY, "P.wdp"), event(IN_MODIFY, "P.wdp"), event(IN_CLOSE_WRITE, "P.wdp"),
                        event(IN_CREATE, "unwatched.txt")});
  EXPECT_EQ(out, std::vector<Notification>{Notification::changed(dir.path(L"P.wdp"), 0)});
  EXPECT_EQ(run({event(IN_MODIFY, "p.WDP")}), out) << "names match ignoring case; a new write is reported again";
  EXPECT_TRUE(run({event(IN_MODIFY, "P.wdp")}).empty()) << "still being written";
}

TEST_F(FolderEventsTest, MovesPairByCookieAndUnpairedMovesAreCreationsOrDeletions) {
  list.find(dir.path(L"P.wdp"))->last.exists = true;
  const auto out = run({event(IN_MOVED_FROM, "P.tmp", 5), event(IN_MOVED_TO, "P.wdp", 5),
                        event(IN_MOVED_TO, "P.wdp.FLL", 9), event(IN_MOVED_FROM, "P.wdp.FLL", 11)});
  const std::vector<Notification> expected = {
      Notification::renamed(dir.path(L"P.tmp"), dir.path(L"P.wdp")),
      Notification::changed(dir.path(L"P.wdp"), 0),     // it existed: an atomic save
      Notification::changed(dir.path(L"P.wdp.FLL"), 1),  // moved in from an unwatched folder
      Notification::changed(dir.path(L"P.wdp.FLL"), 2),  // moved out to an unwatched folder
  };
  EXPECT_EQ(out, expected);
}

TEST_F(FolderEventsTest, ALostFolderDeletesWhatExistedAndGivesUpItsWatch) {
  list.find(dir.path(L"P.wdp"))->last.exists = true;
  const FolderEventsOutcome outcome =
      translateFolderEvents({{kWd, IN_DELETE_SELF, 0, ""}, {kWd, IN_IGNORED, 0, ""}, event(IN_CREATE, "P.wdp")}, list);
  EXPECT_EQ(outcome.notifications, std::vector<Notification>{Notification::changed(dir.path(L"P.wdp"), 2)});
  EXPECT_EQ(outcome.lostWatches, std::vector<int>{kWd});
  EXPECT_EQ(list.folders().at(dir.native()).mode, FolderMode::kMissing);
  EXPECT_TRUE(translateFolderEvents({{-1, IN_Q_OVERFLOW, 0, ""}}, list).overflowed);
}

TEST_F(FolderEventsTest, ScanSeesCreationsReplacementsAndRenamesBetweenWatchedNames) {
  vox::test::writeNative(dir.native("P.wdp"), "one");
  EXPECT_EQ(scanFolder(list, dir.native()), std::vector<Notification>{Notification::changed(dir.path(L"P.wdp"), 1)});
  EXPECT_TRUE(scanFolder(list, dir.native()).empty());
  vox::test::writeNative(dir.native("x"), "two");
  std::rename(dir.native("x").c_str(), dir.native("P.wdp").c_str());
  EXPECT_EQ(scanFolder(list, dir.native()), std::vector<Notification>{Notification::changed(dir.path(L"P.wdp"), 0)});
  std::rename(dir.native("P.wdp").c_str(), dir.native("P.wdp.FLL").c_str());
  const std::vector<Notification> expected = {Notification::renamed(dir.path(L"P.wdp"), dir.path(L"P.wdp.FLL")),
                                              Notification::changed(dir.path(L"P.wdp.FLL"), 1)};
  EXPECT_EQ(scanFolder(list, dir.native()), expected);
}

TEST(FileSnapshotCodes, ChangesInOrder) {
  FileSnapshot before{true, false, 1, 10, 5, 100};
  FileSnapshot after = before;
  EXPECT_TRUE(changeCodes(before, after).empty());
  after.readOnly = true;
  EXPECT_EQ(changeCodes(before, after), std::vector<std::int32_t>{4});
  after.modifiedNs = 200;
  EXPECT_EQ(changeCodes(before, after), (std::vector<std::int32_t>{0, 4}));
  EXPECT_EQ(changeCodes(after, before), (std::vector<std::int32_t>{0, 5}));
  EXPECT_EQ(changeCodes(FileSnapshot{}, after), std::vector<std::int32_t>{1});
  EXPECT_EQ(changeCodes(after, FileSnapshot{}), std::vector<std::int32_t>{2});
}

TEST(NetworkFileSystems, AreToldByTheirTypeAndLocalFoldersAreNot) {
  EXPECT_TRUE(isNetworkFileSystemType(0x6969));
  EXPECT_TRUE(isNetworkFileSystemType(static_cast<long>(0xFF534D42u)));
  EXPECT_FALSE(isNetworkFileSystemType(0xEF53));  // ext4
  vox::test::TempDir dir;
  EXPECT_FALSE(onNetworkFileSystem(dir.native()));
  EXPECT_FALSE(onNetworkFileSystem(dir.native("missing")));
}

}  // namespace
}  // namespace vox::monitor::test
