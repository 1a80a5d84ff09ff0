// Changes that another process makes to an open project's files, seen through the real file
// monitor and the real clock: re-reads, lock and task files, read-only changes.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>

#include "core/ModuleObjects.h"
#include "core/PendingRequestQueue.h"
#include "core/VoxPrmProjectManager.h"
#include "locking/ProjectFileWatcherAdapter.h"
#include "palette/VoxPrmPaletteSet.h"
#include "support/HostFixture.h"

namespace vox::test {
namespace {

class Seen : public VoxPrmProjectEventReceiver {
 public:
  explicit Seen(VoxPrmProjectManager& manager) : manager_(manager) {
    VoxPrmProjectEvents& e = manager.events();
    e.projectReRead.subscribe(this, &Seen::reread);
    e.projectLocked.subscribe(this, &Seen::locked);
    e.projectUnlocked.subscribe(this, &Seen::unlocked);
    e.projectTasksAdded.subscribe(this, &Seen::tasks);
    e.projectReadOnlyChanged.subscribe(this, &Seen::readOnly);
  }
  ~Seen() override { manager_.unsubscribeAll(this); }
  int rereads = 0, locks = 0, unlocks = 0, readOnlyOn = 0;
  std::wstring taskProject;

 private:
  void reread(const std::wstring&) { ++rereads; }
  void locked(const std::wstring&) { ++locks; }
  void unlocked(const std::wstring&) { ++unlocks; }
  void tasks(const std::wstring& id, const std::wstring&) { taskProject = id; }
  void readOnly(const std::wstring&, bool on) { readOnlyOn += on ? 1 : 0; }
  VoxPrmProjectManager& manager_;
};

// Another process saves `native` as editors do: a temporary file renamed over it.
void saveFromAnotherProcess(const std::string& native, const std::string& content) {
  const pid_t child = ::fork();
  if (child == 0) {
    const std::string temporary = native + ".tmp";
    if (FILE* f = std::fopen(temporary.c_str(), "wb")) {
      std::fwrite(content.data(), 1, content.size(), f);
      std::fclose(f);
    }
    ::_exit(std::rename(temporary.c_str(), native.c_str()) == 0 ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

std::string projectText(int drawings) {
  std::string text = "*[1]Plant\r\n";
  for (int i = 0; i < drawings; ++i) text += "=Section\r\n===Drawing " + std::to_string(i) + "\r\nD" + std::to_string(i) + ".dwg\r\n";
  return text;
}

class ProjectChanges : public RealClockHostFixture {
 protected:
  ProjectChanges() : manager(core::ManagerParts{[] { return locking::makeProjectFileWatcher(); }, {}}) {
    core::installModuleObjects({&manager, &navigation, &palette});
    writeNative(temp.native("P.wdp"), projectText(1));
    id = temp.path(L"P.wdp");
    EXPECT_TRUE(manager.openProject(id.c_str(), true, false));
    host().loop().runOnce(0);
  }
  ~ProjectChanges() override { core::installModuleObjects({}); }

  core::NavigationState navigation;
  VoxPrmPaletteSet palette;
  VoxPrmProjectManager manager;
  std::wstring id;
};

TEST_F(ProjectChanges, AnAtomicSaveElsewhereIsReReadOnce) {
  Seen seen(manager);
  const auto saved = std::chrono::steady_clock::now();
  saveFromAnotherProcess(temp.native("P.wdp"), projectText(1000));
  ASSERT_TRUE(runUntil([&] { return seen.rereads > 0; }));
  const auto latency = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - saved);
  std::printf("save to re-read of a 1 000-drawing project: %lld ms\n", static_cast<long long>(latency.count()));
  EXPECT_EQ(manager.getProject(id.c_str())->getProjFileDetails().size(), 1000u);
  runUntil([] { return false; }, 300);  // nothing more arrives
  EXPECT_EQ(seen.rereads, 1);
}

TEST_F(ProjectChanges, LockTaskAndReadOnlyChangesArrive) {
  Seen seen(manager);
  writeNative(temp.native("P.wdp.FLL"), "someone");
  ASSERT_TRUE(runUntil([&] { return seen.locks == 1; }));
  std::filesystem::remove(temp.native("P.wdp.FLL"));
  ASSERT_TRUE(runUntil([&] { return seen.unlocks == 1; }));
  writeNative(temp.native("P_update.mdb"), "");
  ASSERT_TRUE(runUntil([&] { return !seen.taskProject.empty(); }));
  EXPECT_EQ(seen.taskProject, temp.path(L"P.wdp"));
  ::chmod(temp.native("P.wdp").c_str(), 0444);
  ASSERT_TRUE(runUntil([&] { return seen.readOnlyOn == 1; }));
}

// The same with the project's folder polled, as on a network share.
class PolledProjectChanges : public ProjectChanges {
 protected:
  static void SetUpTestSuite() { ::setenv("VOXFOLIO_MONITOR_POLL", "/", 1); }
  static void TearDownTestSuite() { ::unsetenv("VOXFOLIO_MONITOR_POLL"); }
};

TEST_F(PolledProjectChanges, ASaveAndALockArriveWithinTwoSeconds) {
  Seen seen(manager);
  saveFromAnotherProcess(temp.native("P.wdp"), projectText(3));
  writeNative(temp.native("P.wdp.FLL"), "someone");
  ASSERT_TRUE(runUntil([&] { return seen.rereads == 1 && seen.locks == 1; }, 2000));
  EXPECT_EQ(manager.getProject(id.c_str())->getProjFileDetails().size(), 3u);
}

}  // namespace
}  // namespace vox::test
