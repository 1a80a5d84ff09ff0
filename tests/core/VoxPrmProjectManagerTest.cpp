// Opening, closing and activating projects in the headless host, with the event order a user
// sees, the open-project limit, forced closes, packing and the display order.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/ManagerTestSupport.h"
#include "core/PendingRequestRunner.h"
#include "host/LispCoreFunctions.h"
#include "platform/runtime/HeadlessDocuments.h"

namespace vox::test {
namespace {

using Events = std::vector<std::wstring>;
using ProjectManager = ManagerFixture;

std::wstring withSlashes(std::wstring path) {
  std::replace(path.begin(), path.end(), L'\\', L'/');
  return path;
}

TEST_F(ProjectManager, OpeningFindsProjectsIgnoringCaseAndSlashes) {
  LifecycleRecorder recorder(manager);
  const std::wstring p = project("a/p.wdp");
  ASSERT_TRUE(manager.openProject(withSlashes(p).c_str(), false, false));
  EXPECT_EQ(manager.getProjectIndex(os::toUpper(p).c_str()), 0);
  EXPECT_EQ(manager.getProject(0)->getProjectID(), p);  // stored with backslashes
  EXPECT_EQ(manager.getProject(static_cast<const wchar_t*>(nullptr)), nullptr);  // nothing active yet
  EXPECT_FALSE(manager.openProject(temp.path(L"missing.wdp").c_str(), true, false));
  EXPECT_FALSE(manager.openProject(nullptr, true, false));
  EXPECT_EQ(manager.getProjectCount(), 1);

  ASSERT_TRUE(manager.openProject(os::toUpper(p).c_str(), true, false));  // already open: only activated
  EXPECT_EQ(recorder.events, (Events{L"open P", L"setActive P", L"actived P"}));
  EXPECT_EQ(manager.getProjectCount(), 1);
}

TEST_F(ProjectManager, AProjectOfTheSameNameElsewhereNeedsTheCheckSkipped) {
  const std::wstring first = project("a/p.wdp");
  const std::wstring second = project("x/P.wdp");
  ASSERT_TRUE(manager.openProject(first.c_str(), false, false));
  std::wstring existing;
  EXPECT_TRUE(manager.isProjectSameNameAsExisting(second.c_str(), &existing));
  EXPECT_EQ(existing, first);
  EXPECT_FALSE(manager.openProject(second.c_str(), false, false));
  EXPECT_TRUE(manager.openProject(second.c_str(), false, true));
  EXPECT_EQ(manager.getProjectCount(), 2);
}

TEST_F(ProjectManager, ActivationRaisesSetActiveDeactivateActived) {
  const std::wstring a = project("A.wdp"), b = project("B.wdp");
  ASSERT_TRUE(manager.openProject(a.c_str(), false, false));
  ASSERT_TRUE(manager.openProject(b.c_str(), false, false));
  LifecycleRecorder recorder(manager);
  EXPECT_TRUE(manager.setActiveProject(a.c_str()));
  EXPECT_TRUE(manager.setActiveProject(b.c_str()));
  EXPECT_TRUE(manager.setActiveProject(os::toLower(b).c_str()));  // already active: nothing
  EXPECT_FALSE(manager.setActiveProject(temp.path(L"C.wdp").c_str()));
  EXPECT_EQ(recorder.events, (Events{L"setActive A", L"actived A", L"setActive B", L"deactivate A", L"actived B"}));
  EXPECT_EQ(GetActiveProject(), manager.getProject(1));
}

TEST_F(ProjectManager, TheThirtyFirstProjectClosesTheOldestBeforeItIsActived) {
  std::vector<std::wstring> ids;
  for (int i = 0; i < 31; ++i) ids.push_back(project("P" + std::to_string(i) + ".wdp"));
  for (const std::wstring& id : ids) ASSERT_TRUE(manager.openProject(id.c_str(), false, false));
  EXPECT_EQ(manager.getProjectCount(), 31);  // opening alone may pass the limit
  LifecycleRecorder recorder(manager);
  ASSERT_TRUE(manager.setActiveProject(ids[0].c_str()));  // the oldest is active: the second goes
  EXPECT_EQ(recorder.events, (Events{L"setActive P0", L"close P1", L"actived P0"}));
  EXPECT_EQ(manager.getProjectCount(), 30);
  EXPECT_EQ(manager.getProjectIndex(ids[1].c_str()), -1);

  recorder.events.clear();
  ASSERT_TRUE(manager.openProject(project("P31.wdp").c_str(), true, false));
  EXPECT_EQ(recorder.events, (Events{L"open P31", L"setActive P31", L"deactivate P0", L"close P0", L"actived P31"}));
  EXPECT_EQ(manager.getProject(0)->getProjectID(), ids[2]);
}

TEST_F(ProjectManager, AForcedCloseOfTheActiveProjectLeavesItsIdActive) {
  const std::wstring a = project("A.wdp"), b = project("B.wdp");
  ASSERT_TRUE(manager.openProject(a.c_str(), true, false));
  ASSERT_TRUE(manager.openProject(b.c_str(), false, false));
  LifecycleRecorder recorder(manager);
  EXPECT_FALSE(manager.closeProject(a.c_str(), false));
  EXPECT_TRUE(manager.closeProject(a.c_str(), true));
  EXPECT_EQ(GetActiveProject(), nullptr);
  EXPECT_TRUE(manager.isActiveProject(a.c_str()));
  std::wstring active = L"unchanged";
  EXPECT_FALSE(manager.getActiveProjectID(active));
  EXPECT_EQ(active, L"unchanged");

  // Re-opened and activated: active again, and nothing is deactivated, since the previous
  // active ID names the same project (in any letter case).
  ASSERT_TRUE(manager.openProject(a.c_str(), true, false));
  EXPECT_EQ(GetActiveProject(), manager.getProject(a.c_str()));
  ASSERT_TRUE(manager.closeProject(a.c_str(), true));
  ASSERT_TRUE(manager.openProject(a.c_str(), false, false));
  ASSERT_TRUE(manager.setActiveProject(os::toLower(a).c_str()));
  EXPECT_EQ(GetActiveProject(), manager.getProject(a.c_str()));
  EXPECT_EQ(recorder.events, (Events{L"close A", L"open A", L"setActive A", L"actived A", L"close A", L"open A",
                                     L"setActive A", L"actived A"}));

  ASSERT_TRUE(manager.closeProject(a.c_str(), true));
  recorder.events.clear();
  ASSERT_TRUE(manager.setActiveProject(b.c_str()));  // another project: the closed one is deactivated
  EXPECT_EQ(recorder.events, (Events{L"setActive B", L"deactivate A", L"actived B"}));
}

TEST_F(ProjectManager, ClosingByAnIndexOutsideTheListIsAnArgumentError) {
  ASSERT_TRUE(manager.openProject(project("A.wdp").c_str(), false, false));
  EXPECT_THROW(manager.closeProject(1), std::invalid_argument);
  EXPECT_THROW(manager.closeProject(-1), std::invalid_argument);
  EXPECT_EQ(manager.getProjectCount(), 1);
  EXPECT_TRUE(manager.closeProject(0));
  EXPECT_EQ(manager.getProjectCount(), 0);
}

TEST_F(ProjectManager, ClosingAllButTheActiveRaisesOneEventAndNoCloses) {
  const std::wstring a = project("A.wdp"), b = project("B.wdp"), c = project("C.wdp");
  for (const std::wstring& id : {a, b, c}) ASSERT_TRUE(manager.openProject(id.c_str(), false, false));
  ASSERT_TRUE(manager.setActiveProject(b.c_str()));
  LifecycleRecorder recorder(manager);
  EXPECT_TRUE(manager.closeAllNonActiveProjects());
  EXPECT_EQ(recorder.events, Events{L"closeAllNA"});
  ASSERT_EQ(manager.getProjectCount(), 1);
  EXPECT_EQ(manager.getProject(0)->getProjectID(), b);
}

TEST_F(ProjectManager, OpeningIsReportedToTheRecentListNowOrWhenTheEditorIsIdle) {
  const std::wstring a = project("A.wdp"), b = project("B.wdp");
  ASSERT_TRUE(manager.openProject(a.c_str(), false, false));  // no document: queued
  EXPECT_EQ(navigation.requests.size(), 1u);
  auto* drawing = static_cast<runtime::HeadlessDocument*>(openDrawing(L"D.dwg"));
  ASSERT_TRUE(manager.openProject(b.c_str(), false, false));  // idle document: reported at once
  EXPECT_EQ(host::lispcore::recentProjectList()->paths, std::vector<std::wstring>{b});

  drawing->setQuiescent(false);
  ASSERT_TRUE(manager.closeProject(b.c_str(), false));
  drawing->setQuiescent(true);
  core::workOffPendingRequests(navigation);
  const auto recent = host::lispcore::recentProjectList();
  EXPECT_EQ(recent->paths, (std::vector<std::wstring>{a, b}));
  EXPECT_EQ(recent->flags, (std::vector<std::wstring>{L"1", L"0"}));
  EXPECT_TRUE(navigation.requests.empty());
}

TEST_F(ProjectManager, PackingCollectsTheProjectItsDrawingsAndRelatedFiles) {
  const std::wstring a = project("A.wdp", "A1.dwg\r\nA2.dwg\r\n"), b = project("B.wdp", "B1.dwg\r\n");
  ASSERT_TRUE(manager.openProject(a.c_str(), true, false));
  ASSERT_TRUE(manager.openProject(b.c_str(), false, false));
  std::vector<std::wstring> out;
  manager.getProjectToBePacked(out);
  EXPECT_TRUE(out.empty());
  manager.setProjectToBePacked(temp.path(L"B1.dwg"));
  manager.getProjectToBePacked(out);
  EXPECT_EQ(out, (std::vector<std::wstring>{b, temp.path(L"B1.dwg")}));
  manager.setProjectToBePacked(L"");
  out.clear();
  manager.getProjectToBePacked(out);
  EXPECT_EQ(out, (std::vector<std::wstring>{a, temp.path(L"A1.dwg"), temp.path(L"A2.dwg")}));
  manager.setProjectToBePacked(temp.path(L"Closed.wdp"));  // not open: unchanged
  manager.resetProjectToBePacked();
  out.clear();
  manager.getProjectToBePacked(out);
  EXPECT_TRUE(out.empty());
}

TEST_F(ProjectManager, DisplayOrderDefaultsAndRoundTrip) {
  std::vector<int> order{1};
  std::wstring separator = L"?";
  bool show = false;
  ASSERT_TRUE(manager.getDwgDisplaySetting(order, separator, show));
  EXPECT_EQ(order, (std::vector<int>{1, 103}));  // appended
  EXPECT_EQ(separator, L"-");
  EXPECT_TRUE(show);

  ASSERT_TRUE(manager.setDwgDisplaySetting({101, 106, 102}, L"/", false));
  order.clear();
  ASSERT_TRUE(manager.getDwgDisplaySetting(order, separator, show));
  EXPECT_EQ(order, (std::vector<int>{101, 106, 102}));
  EXPECT_EQ(separator, L"/");
  EXPECT_FALSE(show);
}

TEST_F(ProjectManager, DrawingDefaultsFollowTheActiveProjectOnlyWhenAsked) {
  const auto valueAt = [](const VoxCfgDrawingSettings& settings, int index) {
    std::wstring value;
    settings.getValue(index, value);
    return value;
  };
  ASSERT_TRUE(manager.openProject(project("A.wdp", "?[12]PROJECT\r\n").c_str(), true, false));
  VoxCfgDrawingSettings active, builtIn, given;
  active.fillWithDefaults(static_cast<const VoxPrmProject*>(nullptr), true);
  builtIn.fillWithDefaults(static_cast<const VoxPrmProject*>(nullptr), false);
  given.fillWithDefaults(manager.getProject(0), false);
  EXPECT_EQ(valueAt(active, 12), L"PROJECT");
  EXPECT_EQ(valueAt(given, 12), L"PROJECT");
  EXPECT_NE(valueAt(builtIn, 12), L"PROJECT");
  EXPECT_EQ(valueAt(active, 11), valueAt(builtIn, 11));  // unset in the project: the default stays
}

TEST_F(ProjectManager, LockingWithoutALockerFails) {
  std::wstring holder = L"kept";
  EXPECT_FALSE(manager.lockProjectFile(L"x.wdp"));
  EXPECT_FALSE(manager.isProjectFileLocked(L"x.wdp"));
  EXPECT_EQ(manager.whoHasProjectFileLocked(L"x.wdp", holder), kLockStatusUnknown);
  EXPECT_EQ(holder, L"kept");
}

}  // namespace
}  // namespace vox::test
