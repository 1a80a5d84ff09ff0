// The manager's answers to file changes, on the manual clock: re-read delays collapsed per path,
// requests that find their project closed, lock / task / read-only events, re-reading in place.

#include <gtest/gtest.h>

#include "core/ManagerTestSupport.h"
#include "palette/VoxPrmPaletteSet.h"

namespace vox::test {
namespace {

using Events = std::vector<std::wstring>;

// Records re-reads and the file-derived events, with the project name and the clock time.
class ChangeRecorder : public VoxPrmProjectEventReceiver {
 public:
  ChangeRecorder(VoxPrmProjectManager& manager, const HcEventLoop& loop) : manager_(manager), loop_(loop) {
    VoxPrmProjectEvents& e = manager.events();
    e.projectReRead.subscribe(this, &ChangeRecorder::onReRead);
    e.projectLocked.subscribe(this, &ChangeRecorder::onLocked);
    e.projectUnlocked.subscribe(this, &ChangeRecorder::onUnlocked);
    e.projectTasksAdded.subscribe(this, &ChangeRecorder::onTasksAdded);
    e.projectReadOnlyChanged.subscribe(this, &ChangeRecorder::onReadOnly);
  }
  ~ChangeRecorder() override { manager_.unsubscribeAll(this); }
  Events events;

 private:
  std::wstring name(const std::wstring& id) const { return core::projectNameFromId(id); }
  void onReRead(const std::wstring& id) { events.push_back(L"reread " + name(id) + L" at " + std::to_wstring(loop_.nowMs())); }
  void onLocked(const std::wstring& id) { events.push_back(L"locked " + name(id)); }
  void onUnlocked(const std::wstring& id) { events.push_back(L"unlocked " + name(id)); }
  void onTasksAdded(const std::wstring& id, const std::wstring&) { events.push_back(L"tasks " + id); }
  void onReadOnly(const std::wstring& id, bool readOnly) { events.push_back(L"readonly " + name(id) + (readOnly ? L" on" : L" off")); }
  VoxPrmProjectManager& manager_;
  const HcEventLoop& loop_;
};

class FileChanges : public ManagerFixture {
 protected:
  FileChanges() {
    core::installModuleObjects({&manager, &navigation, &palette});
    p = project("P.wdp", "A.dwg\r\n");
    q = project("Q.wdp", "B.dwg\r\n");
    EXPECT_TRUE(manager.openProject(p.c_str(), false, false));
    EXPECT_TRUE(manager.openProject(q.c_str(), false, false));
  }
  void advance(int ms) {
    host().loop().advance(ms);
    host().loop().runPending();
  }
  VoxPrmPaletteSet palette;
  std::wstring p, q;
};

TEST_F(FileChanges, ABurstOfChangesIsReReadOnce100MsAfterTheLast) {
  ChangeRecorder recorder(manager, host().loop());
  for (int i = 0; i < 3; ++i) {
    manager.onFileChangedContent(p.c_str());
    advance(50);
  }
  ASSERT_EQ(manager.getFileTimerList().size(), 1u);
  EXPECT_TRUE(recorder.events.empty());
  advance(50);  // 100 ms after the third
  EXPECT_EQ(recorder.events, Events{L"reread P at 200"});
  EXPECT_TRUE(manager.getFileTimerList().empty());
}

TEST_F(FileChanges, TwoFilesGetConsecutiveTimersAndTwoReReads) {
  ChangeRecorder recorder(manager, host().loop());
  manager.onFileChangedContent(p.c_str());
  manager.onFileChangedContent(os::toLower(q).c_str());
  manager.onFileChangedContent((p + L".FLL").c_str());  // not a project file: ignored
  ASSERT_EQ(manager.getFileTimerList().size(), 2u);
  EXPECT_EQ(manager.getFileTimerList()[1].timerID, manager.getFileTimerList()[0].timerID + 1);
  advance(100);
  EXPECT_EQ(recorder.events, (Events{L"reread P at 100", L"reread Q at 100"}));
}

TEST_F(FileChanges, AProjectClosedBeforeTheTimerFiresIsNotReRead) {
  ChangeRecorder recorder(manager, host().loop());
  manager.onFileChangedContent(p.c_str());
  ASSERT_TRUE(manager.closeProject(p.c_str(), false));
  advance(100);
  EXPECT_TRUE(recorder.events.empty());
  EXPECT_TRUE(manager.getFileTimerList().empty());

  palette.destroyWindow();  // without the palette's window changes are not re-read
  manager.onFileChangedContent(q.c_str());
  EXPECT_TRUE(manager.getFileTimerList().empty());
}

TEST_F(FileChanges, AReReadReplacesTheContentInPlace) {
  VoxPrmProject* before = manager.getProject(p.c_str());
  writeNative(temp.native("P.wdp"), "A.dwg\r\nC.dwg\r\n");
  std::wstring slashed = p;
  std::replace(slashed.begin(), slashed.end(), L'\\', L'/');
  EXPECT_TRUE(manager.reReadProject(slashed.c_str()));
  EXPECT_EQ(manager.getProject(p.c_str()), before);
  EXPECT_EQ(before->getProjectID(), p);
  EXPECT_EQ(before->getProjFileDetails().size(), 2u);
  EXPECT_EQ(before->GetOldProjData(), before->GetProjData());
  EXPECT_FALSE(manager.reReadProject(nullptr));  // nothing active
}

// Closes a project when it is about to be re-read, as a sibling module may.
class ClosingOnPreReRead : public VoxPrmProjectEventReceiver {
 public:
  explicit ClosingOnPreReRead(VoxPrmProjectManager& manager) : manager_(manager) {
    manager.events().preProjectReRead.subscribe(this, &ClosingOnPreReRead::onPreReRead);
  }
  ~ClosingOnPreReRead() override { manager_.unsubscribeAll(this); }

 private:
  void onPreReRead(const std::wstring& id) { manager_.closeProject(id.c_str(), true); }
  VoxPrmProjectManager& manager_;
};

TEST_F(FileChanges, AProjectClosedByAPreReReadHandlerIsNotReRead) {
  ChangeRecorder recorder(manager, host().loop());
  ClosingOnPreReRead closer(manager);
  EXPECT_FALSE(manager.reReadProject(p.c_str()));
  EXPECT_EQ(manager.getProjectIndex(p.c_str()), -1);
  EXPECT_TRUE(recorder.events.empty()) << "a closed project was announced as re-read";
  EXPECT_EQ(manager.getProjectCount(), 1);
}

TEST_F(FileChanges, LockTaskAndReadOnlyChangesBecomeEvents) {
  ChangeRecorder recorder(manager, host().loop());
  manager.onFileCreated((p + L".FLL").c_str());
  manager.onFileDeleted((p + L".FLL").c_str());
  manager.onFileRenamed(L"\\x\\other", (q + L".FLL").c_str());
  manager.onFileRenamed((q + L".FLL").c_str(), L"\\x\\other");  // renamed away: nothing
  manager.onFileCreated(temp.path(L"p_update.mdb").c_str());
  manager.onFileCreated(temp.path(L"X_update.mdb").c_str());  // no such project open
  manager.onFileChangedReadOnly(p.c_str(), true);
  manager.onFileChangedReadOnly(L"abc", true);
  manager.onFileCreated(L"F");
  EXPECT_EQ(recorder.events, (Events{L"locked P", L"unlocked P", L"unlocked Q", L"tasks " + temp.path(L"P.wdp"),
                                     L"readonly P on"}));
}

}  // namespace
}  // namespace vox::test
