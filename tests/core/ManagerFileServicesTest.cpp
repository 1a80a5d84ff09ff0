// The project manager's calls of its file watcher and file locker: which files are watched and
// when, the lock pass-throughs with normalised paths, and the release of every lock at the end.

#include <gtest/gtest.h>

#include "core/ManagerTestSupport.h"

namespace vox::test {
namespace {

using Calls = std::vector<std::wstring>;

struct FakeWatcher : core::ProjectFileWatcher {
  explicit FakeWatcher(Calls& log) : calls(log) {}
  bool monitorFile(const std::wstring& path) override { return calls.push_back(L"watch " + path), true; }
  bool stopMonitoringFile(const std::wstring& path) override { return calls.push_back(L"stop " + path), true; }
  void connect(core::FileChangeHandlers given) override {
    calls.push_back(L"connect");
    handlers = std::move(given);
  }
  void disconnect() override { calls.push_back(L"disconnect"); }
  void startMonitoring() override { calls.push_back(L"start"); }
  core::FileChangeHandlers handlers;
  void stopMonitoring() override { calls.push_back(L"end"); }
  Calls& calls;
};

struct FakeLocker : core::ProjectFileLocker {
  explicit FakeLocker(Calls& log) : calls(log) {}
  bool lockFile(const std::wstring& path) override { return calls.push_back(L"lock " + path), true; }
  bool unlockFile(const std::wstring& path) override { return calls.push_back(L"unlock " + path), true; }
  bool unlockAllFiles() override { return calls.push_back(L"unlock all"), true; }
  bool isLocked(const std::wstring&) override { return false; }
  _lockStatus whoLocked(const std::wstring&, std::wstring& holder) override {
    holder = L"u(m)";
    return kLockedByOther;
  }
  _lockStatus whoLocked(const std::wstring& path, std::wstring& holder, std::wstring& machine, std::wstring& time) override {
    holder = L"u";
    machine = L"m";
    time = L"t";
    return path.ends_with(L"unknown.wdp") ? kLockStatusUnknown : kLockedByOther;
  }
  Calls& calls;
};

class ManagerFileServices : public StandInHostFixture {
 protected:
  core::ManagerParts parts() {
    return {[this] { return std::make_unique<FakeWatcher>(calls); }, [this] { return std::make_unique<FakeLocker>(calls); }};
  }
  Calls calls;
};

TEST_F(ManagerFileServices, TheProjectItsLockFileAndItsTaskFileAreWatchedWhileOpen) {
  writeNative(temp.native("Plant.wdp"), "A.dwg\r\n");
  const std::wstring p = temp.path(L"Plant.wdp");
  {
    VoxPrmProjectManager manager(parts());
    ASSERT_TRUE(manager.openProject(p.c_str(), false, false));
    ASSERT_TRUE(manager.closeProject(p.c_str(), false));
    EXPECT_TRUE(manager.lockProjectFile(L"/x/P.wdp"));
  }
  EXPECT_EQ(calls, (Calls{L"connect", L"start", L"watch " + p, L"watch " + p + L".FLL", L"watch " + temp.path(L"PLANT_update.mdb"),
                          L"stop " + p, L"stop " + p + L".FLL", L"stop " + temp.path(L"PLANT_update.mdb"),
                          L"lock \\x\\P.wdp", L"end", L"disconnect", L"unlock all"}));
}

TEST_F(ManagerFileServices, WhoHoldsALockFillsOnlyTheOutputsAskedFor) {
  VoxPrmProjectManager manager(parts());
  std::wstring holder = L"-", time = L"-";
  EXPECT_EQ(manager.whoHasProjectFileLocked(L"P.wdp", &holder, nullptr, &time), kLockedByOther);
  EXPECT_EQ(holder, L"u");
  EXPECT_EQ(time, L"t");
  holder = L"kept";
  EXPECT_EQ(manager.whoHasProjectFileLocked(L"unknown.wdp", &holder, nullptr, nullptr), kLockStatusUnknown);
  EXPECT_EQ(holder, L"kept");
  EXPECT_EQ(manager.whoHasProjectFileLocked(nullptr, holder), kLockStatusUnknown);
}

}  // namespace
}  // namespace vox::test
