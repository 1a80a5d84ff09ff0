// The monitor on inotify with real files: what each kind of change reports, and what is not
// reported (removed paths, a stopped service).

#include <gtest/gtest.h>

#include <dirent.h>

#include <filesystem>

#include "MonitorTestSupport.h"

namespace vox::monitor::test {
namespace {

using vox::test::writeNative;

TEST(MonitorService, AtomicSaveByAnotherProcessIsAContentChange) {
  MonitorFixture f;
  f.write("P.wdp", "old");
  const std::wstring project = f.dir().path(L"P.wdp");
  ASSERT_TRUE(f.service().addPath(project));
  f.service().start();
  EXPECT_EQ(f.service().folderMode(f.dir().native()), FolderMode::kInotify);
  inOtherProcess([&] { f.atomicSave("P.wdp", "new"); });
  EXPECT_TRUE(f.waitFor(changed(project, 0)));
  EXPECT_TRUE(f.sink().has(renamed(f.dir().path(L"P.wdp.tmp"), project)));
  EXPECT_FALSE(f.sink().has(changed(project, 1))) << "the file existed before";
}

TEST(MonitorService, WritingInPlaceIsAContentChange) {
  MonitorFixture f;
  f.write("P.wdp", "old");
  ASSERT_TRUE(f.service().addPath(f.dir().path(L"P.wdp")));
  f.service().start();
  inOtherProcess([&] { f.write("P.wdp", "rewritten"); });
  EXPECT_TRUE(f.waitFor(changed(f.dir().path(L"P.wdp"), 0)));
}

TEST(MonitorService, LockFileThatDoesNotExistYetReportsCreatedThenDeleted) {
  MonitorFixture f;
  const std::wstring lock = f.dir().path(L"P.wdp.FLL");
  ASSERT_TRUE(f.service().addPath(lock));
  f.service().start();
  f.write("P.wdp.FLL", "user\nhost\ndate\n");
  EXPECT_TRUE(f.waitFor(changed(lock, 1)));
  ASSERT_EQ(::unlink(f.dir().native("P.wdp.FLL").c_str()), 0);
  EXPECT_TRUE(f.waitFor(changed(lock, 2)));
}

TEST(MonitorService, WriteBitsGoneAndBackReportReadOnlyOnAndOff) {
  MonitorFixture f;
  f.write("P.wdp", "x");
  const std::wstring project = f.dir().path(L"P.wdp");
  ASSERT_TRUE(f.service().addPath(project));
  f.service().start();
  ASSERT_EQ(::chmod(f.dir().native("P.wdp").c_str(), 0444), 0);
  EXPECT_TRUE(f.waitFor(changed(project, 4)));
  ASSERT_EQ(::chmod(f.dir().native("P.wdp").c_str(), 0644), 0);
  EXPECT_TRUE(f.waitFor(changed(project, 5)));
  f.sink().log.clear();
  ASSERT_EQ(::chmod(f.dir().native("P.wdp").c_str(), 0600), 0);  // still writable: no report
  f.runFor(300);
  EXPECT_TRUE(f.sink().log.empty());
}

TEST(MonitorService, RenamesReportOldAndNewName) {
  MonitorFixture f;
  f.write("A.tmp", "a");
  f.write("P.wdp.FLL", "lock");
  const std::wstring watchedNew = f.dir().path(L"B.wdp.FLL");
  const std::wstring watchedOld = f.dir().path(L"P.wdp.FLL");
  ASSERT_TRUE(f.service().addPath(watchedNew));
  ASSERT_TRUE(f.service().addPath(watchedOld));
  f.service().start();
  ASSERT_EQ(std::rename(f.dir().native("A.tmp").c_str(), f.dir().native("B.wdp.FLL").c_str()), 0);
  EXPECT_TRUE(f.waitFor(renamed(f.dir().path(L"A.tmp"), watchedNew)));
  EXPECT_TRUE(f.waitFor(changed(watchedNew, 1)));
  ASSERT_EQ(std::rename(f.dir().native("P.wdp.FLL").c_str(), f.dir().native("other").c_str()), 0);
  EXPECT_TRUE(f.waitFor(renamed(watchedOld, f.dir().path(L"other"))));
  EXPECT_FALSE(f.sink().has(changed(watchedOld, 2))) << "a rename is not also a deletion";
}

TEST(MonitorService, FolderRemovedAndCreatedAgainIsWatchedAgain) {
  MonitorFixture f;
  std::filesystem::create_directory(f.dir().native("sub"));
  writeNative(f.dir().native("sub/P.wdp"), "x");
  const std::wstring project = f.dir().path(L"sub\\P.wdp");
  const std::wstring later = f.dir().path(L"later\\T.mdb");
  ASSERT_TRUE(f.service().addPath(project));
  ASSERT_TRUE(f.service().addPath(later));
  f.service().start();
  EXPECT_EQ(f.service().folderMode(f.dir().native("later")), FolderMode::kMissing);

  std::filesystem::remove_all(f.dir().native("sub"));
  EXPECT_TRUE(f.waitFor(changed(project, 2)));
  std::filesystem::create_directory(f.dir().native("sub"));
  writeNative(f.dir().native("sub/P.wdp"), "y");
  EXPECT_TRUE(f.waitFor(changed(project, 1)));
  EXPECT_EQ(f.service().folderMode(f.dir().native("sub")), FolderMode::kInotify);
  f.sink().log.clear();
  inOtherProcess([&] { f.atomicSave("sub/P.wdp", "z"); });
  EXPECT_TRUE(f.waitFor(changed(project, 0))) << "the folder's new watch reports changes";

  std::filesystem::create_directory(f.dir().native("later"));
  writeNative(f.dir().native("later/T.mdb"), "t");
  EXPECT_TRUE(f.waitFor(changed(later, 1))) << "a folder that did not exist at the start";
}

TEST(MonitorService, RemovedPathsAndAStoppedServiceReportNothing) {
  MonitorFixture f;
  f.write("A.wdp", "a");
  f.write("B.wdp", "b");
  ASSERT_TRUE(f.service().addPath(f.dir().path(L"A.wdp")));
  ASSERT_TRUE(f.service().addPath(f.dir().path(L"B.wdp")));
  f.service().start();
  EXPECT_TRUE(f.service().removePath(f.dir().path(L"a.WDP"))) << "paths compare ignoring case";
  EXPECT_FALSE(f.service().removePath(f.dir().path(L"A.wdp")));
  f.write("A.wdp", "a2");
  f.write("B.wdp", "b2");
  EXPECT_TRUE(f.waitFor(changed(f.dir().path(L"B.wdp"), 0)));
  f.runFor(200);
  for (const std::wstring& line : f.sink().log) EXPECT_EQ(line.find(L"A.wdp"), std::wstring::npos) << line;

  f.service().stop();
  EXPECT_FALSE(f.service().isRunning());
  f.sink().log.clear();
  f.write("B.wdp", "b3");
  ::unlink(f.dir().native("B.wdp").c_str());
  f.runFor(400);
  EXPECT_TRUE(f.sink().log.empty());

  f.service().start();  // the state at start is the baseline: the deletion above is not replayed
  EXPECT_TRUE(f.service().isRunning());
  f.write("B.wdp", "b4");
  EXPECT_TRUE(f.waitFor(changed(f.dir().path(L"B.wdp"), 1)));
  EXPECT_FALSE(f.sink().has(changed(f.dir().path(L"B.wdp"), 2)));
}

TEST(MonitorService, WatchListRefusesRelativePathsAndAddsEachPathOnce) {
  MonitorFixture f;
  EXPECT_FALSE(f.service().addPath(L"relative\\P.wdp"));
  EXPECT_FALSE(f.service().addPath(L""));
  EXPECT_TRUE(f.service().addPath(f.dir().path(L"P.wdp")));
  EXPECT_TRUE(f.service().addPath(f.dir().path(L"p.WDP")));
  EXPECT_TRUE(f.service().removePath(f.dir().path(L"P.wdp")));
  EXPECT_FALSE(f.service().removePath(f.dir().path(L"p.wdp"))) << "added twice, watched once";
}

TEST(MonitorService, EverySinkIsToldUntilItDisconnects) {
  MonitorFixture f;
  RecordingSink second;
  const std::uint32_t cookie = f.service().connect(&second);
  EXPECT_NE(cookie, 0u);
  EXPECT_NE(cookie, f.cookie());
  EXPECT_EQ(f.service().connect(nullptr), 0u);
  const std::wstring lock = f.dir().path(L"X.FLL");
  ASSERT_TRUE(f.service().addPath(lock));
  f.service().start();
  f.write("X.FLL", "");
  EXPECT_TRUE(f.waitFor(changed(lock, 1)));
  EXPECT_TRUE(second.has(changed(lock, 1)));
  EXPECT_TRUE(f.service().disconnect(cookie));
  EXPECT_FALSE(f.service().disconnect(cookie));
  ::unlink(f.dir().native("X.FLL").c_str());
  EXPECT_TRUE(f.waitFor(changed(lock, 2)));
  EXPECT_FALSE(second.has(changed(lock, 2)));
}

int openDescriptors() {
  int count = 0;
  if (DIR* d = ::opendir("/proc/self/fd")) {
    while (::readdir(d) != nullptr) ++count;
    ::closedir(d);
  }
  return count;
}

TEST(MonitorService, StopAndDestructionReleaseTheirDescriptors) {
  MonitorFixture f;
  const int before = openDescriptors();
  ASSERT_TRUE(f.service().addPath(f.dir().path(L"P.wdp")));
  f.service().start();
  EXPECT_GT(openDescriptors(), before);
  f.service().stop();
  EXPECT_EQ(openDescriptors(), before);
  f.service().start();
  f.destroyService();
  EXPECT_EQ(openDescriptors(), before);
}

}  // namespace
}  // namespace vox::monitor::test
