// Polling, as used for network file systems: forced for the test folder, it must see the same
// changes as inotify within 2 seconds at the default interval.

#include <gtest/gtest.h>

#include <cstdlib>

#include "MonitorTestSupport.h"

namespace vox::monitor::test {
namespace {

TEST(MonitorPolling, ForcedFoldersCoverTheirSubfoldersOnly) {
  MonitorOptions options;
  options.pollFolders = {"/srv/a/"};
  EXPECT_TRUE(options.forcesPolling("/srv/a"));
  EXPECT_TRUE(options.forcesPolling("/srv/a/b"));
  EXPECT_FALSE(options.forcesPolling("/srv/ab"));
  EXPECT_FALSE(options.forcesPolling("/srv"));
  options.pollFolders = {"/"};
  EXPECT_TRUE(options.forcesPolling("/anything"));
}

TEST(MonitorPolling, EnvironmentForcesFoldersAndSetsTheInterval) {
  ::setenv("VOXFOLIO_MONITOR_POLL", "/x:/y/z", 1);
  ::setenv("VOXFOLIO_MONITOR_POLL_MS", "250", 1);
  const MonitorOptions options = MonitorOptions::fromEnvironment();
  ::setenv("VOXFOLIO_MONITOR_POLL_MS", "soon", 1);
  const MonitorOptions badInterval = MonitorOptions::fromEnvironment();
  ::unsetenv("VOXFOLIO_MONITOR_POLL");
  ::unsetenv("VOXFOLIO_MONITOR_POLL_MS");
  EXPECT_EQ(options.pollIntervalMs, 250u);
  EXPECT_TRUE(options.forcesPolling("/y/z/w"));
  EXPECT_TRUE(options.forcesPolling("/x"));
  EXPECT_FALSE(options.forcesPolling("/y"));
  EXPECT_EQ(badInterval.pollIntervalMs, 1000u);
}

TEST(MonitorPolling, SeesTheSameChangesWithinTwoSeconds) {
  vox::test::TempDir dir;
  MonitorOptions options;
  options.pollFolders = {dir.native()};
  runtime::HeadlessEventLoop loop(runtime::HeadlessEventLoop::Clock::kReal);
  FileMonitorService service(loop, options);
  RecordingSink sink;
  service.connect(&sink);
  const auto waitFor = [&](const std::wstring& line) {
    const std::int64_t end = loop.nowMs() + 2000;
    while (!sink.has(line) && loop.nowMs() < end) loop.runOnce(50);
    return sink.has(line);
  };
  vox::test::writeNative(dir.native("P.wdp"), "old");
  vox::test::writeNative(dir.native("A.FLL"), "a");
  const std::wstring project = dir.path(L"P.wdp");
  const std::wstring lock = dir.path(L"P.wdp.FLL");
  const std::wstring a = dir.path(L"A.FLL");
  const std::wstring b = dir.path(L"B.FLL");
  for (const std::wstring& p : {project, lock, a, b}) ASSERT_TRUE(service.addPath(p));
  service.start();
  EXPECT_EQ(service.folderMode(dir.native()), FolderMode::kPolled);

  inOtherProcess([&] {
    vox::test::writeNative(dir.native("P.tmp"), "new content");
    std::rename(dir.native("P.tmp").c_str(), dir.native("P.wdp").c_str());
  });
  EXPECT_TRUE(waitFor(changed(project, 0)));
  vox::test::writeNative(dir.native("P.wdp.FLL"), "lock");
  EXPECT_TRUE(waitFor(changed(lock, 1)));
  ::unlink(dir.native("P.wdp.FLL").c_str());
  EXPECT_TRUE(waitFor(changed(lock, 2)));
  ::chmod(dir.native("P.wdp").c_str(), 0444);
  EXPECT_TRUE(waitFor(changed(project, 4)));
  ::chmod(dir.native("P.wdp").c_str(), 0644);
  EXPECT_TRUE(waitFor(changed(project, 5)));
  std::rename(dir.native("A.FLL").c_str(), dir.native("B.FLL").c_str());
  EXPECT_TRUE(waitFor(renamed(a, b)));
  EXPECT_FALSE(sink.has(changed(a, 2))) << "a rename between watched paths is no deletion";

  service.stop();
  sink.log.clear();
  vox::test::writeNative(dir.native("P.wdp.FLL"), "lock");
  const std::int64_t end = loop.nowMs() + 1500;
  while (loop.nowMs() < end) loop.runOnce(100);
  EXPECT_TRUE(sink.log.empty()) << "a stopped service polls no more";
}

TEST(MonitorPolling, AFolderThatComesBackIsPolledAgain) {
  MonitorFixture f([&] {
    MonitorOptions o = MonitorFixture::fastOptions();
    o.pollFolders = {"/"};
    return o;
  }());
  const std::string sub = f.dir().native("sub");
  const std::wstring task = f.dir().path(L"sub\\P_update.mdb");
  ASSERT_TRUE(f.service().addPath(task));
  f.service().start();
  EXPECT_EQ(f.service().folderMode(sub), FolderMode::kMissing);
  ::mkdir(sub.c_str(), 0755);
  vox::test::writeNative(sub + "/P_update.mdb", "t");
  EXPECT_TRUE(f.waitFor(changed(task, 1)));
  EXPECT_EQ(f.service().folderMode(sub), FolderMode::kPolled);
  ::unlink((sub + "/P_update.mdb").c_str());
  ::rmdir(sub.c_str());
  EXPECT_TRUE(f.waitFor(changed(task, 2)));
}

}  // namespace
}  // namespace vox::monitor::test
