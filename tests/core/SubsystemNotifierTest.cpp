// The subsystem notifier keeps the sibling stand-ins and the LISP core in step with the active
// project: what it calls on activation in a normal and in a helper process, across a re-read,
// and for drawing-list changes.

#include <gtest/gtest.h>

#include "core/ManagerTestSupport.h"
#include "core/VoxPrmSubsystemNotifier.h"
#include "host/VoxSiblingServices.h"
#include "platform/lispcore/LispCore.h"
#include "platform/runtime/HeadlessDocuments.h"
#include "platform/siblings/SiblingStandIns.h"

namespace vox::test {
namespace {

using Lines = std::vector<std::wstring>;

class SubsystemNotifier : public ManagerFixture {
 protected:
  siblings::CallLog& log() { return siblings()->log(); }
  // A line with the temporary folder written as "T".
  std::wstring relative(std::wstring line) const {
    const std::wstring folder = temp.path();
    for (std::size_t at; (at = line.find(folder)) != std::wstring::npos;) line.replace(at, folder.size(), L"T");
    return line;
  }
  // The siblings' calls so far, without the helper-process queries.
  Lines siblingLines() {
    Lines lines;
    for (const std::wstring& line : log().lines()) {
      if (line != L"PmIsHelperProcess()") lines.push_back(relative(line));
    }
    return lines;
  }
  std::size_t coreCalls(const std::wstring& name) {
    const auto& calls = lispCore()->calls();
    return static_cast<std::size_t>(std::count_if(calls.begin(), calls.end(), [&](const auto& c) { return c.name == name; }));
  }
  const std::string plant = "*[1]Plant\r\n+[10]2\r\n+[13]0\r\nA.dwg\r\n====REF\r\nR.dwg\r\n";
};

TEST_F(SubsystemNotifier, ActivationOpensTheProjectWithTheMonitorAndTellsTheCore) {
  VoxPrmSubsystemNotifier notifier;
  ASSERT_TRUE(notifier.isSubscribed());
  openDrawing(L"D.dwg");
  ASSERT_TRUE(manager.openProject(project("P.wdp", plant).c_str(), true, false));
  EXPECT_EQ(siblingLines(), (Lines{L"GblPm_Open_Project(T\\P.wdp)",
                                   L"PmOpenProject(T\\P.wdp, T\\config\\user\\P.mdb, 0, 0, 0)",
                                   L"PmSetProjectVar(T\\P.wdp, COMB_TAG_LOGIC, 1)", L"PmSetProjectVar(T\\P.wdp, IEC, 1)",
                                   L"PmSetProjectVar(T\\P.wdp, WNSMODE, 0)", L"PmMonitorFiles(T\\P.wdp, [T\\A.dwg], 1)",
                                   L"PmProjectLoaded(T\\P.wdp)", L"PmSetActive(T\\P.wdp)",
                                   L"GblPm_SetCurrent_Project(T\\P.wdp)"}));
  EXPECT_EQ(coreCalls(L"vox_makeproj_active"), 1u);
  EXPECT_FALSE(navigation.makeActivePending);

  ASSERT_TRUE(manager.openProject(project("Q.wdp").c_str(), true, false));
  const Lines lines = siblingLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"PmCloseProject(T\\P.wdp)"), lines.end());  // deactivated
}

TEST_F(SubsystemNotifier, ReActivatingAForceClosedProjectLeavesItOpenInTheMonitor) {
  VoxPrmSubsystemNotifier notifier;
  openDrawing(L"D.dwg");
  const std::wstring p = project("P.wdp", plant);
  ASSERT_TRUE(manager.openProject(p.c_str(), true, false));
  ASSERT_TRUE(manager.closeProject(p.c_str(), true));
  log().clear();
  ASSERT_TRUE(manager.openProject(p.c_str(), true, false));
  const Lines lines = siblingLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(std::count(lines.begin(), lines.end(), L"PmCloseProject(T\\P.wdp)"), 0) << "calls: " << testing::PrintToString(lines);
  EXPECT_EQ(lines.back(), L"GblPm_SetCurrent_Project(T\\P.wdp)");
}

TEST_F(SubsystemNotifier, InAHelperProcessOnlyTheActiveProjectIsPassedOn) {
  siblings::SiblingStandIns helper(nullptr, L"", [](const std::string& name) -> std::optional<std::string> {
    if (name == "VOXFOLIO_PM_HELPER") return "1";
    return std::nullopt;
  });
  voxInstallSiblingServices(helper.services());
  VoxPrmSubsystemNotifier notifier;
  ASSERT_TRUE(manager.openProject(project("P.wdp", plant).c_str(), true, false));  // no document open
  Lines lines = helper.log().lines();
  std::erase(lines, L"PmIsHelperProcess()");
  for (std::wstring& line : lines) line = relative(line);
  EXPECT_EQ(lines, (Lines{L"GblPm_Open_Project(T\\P.wdp)", L"PmSetActive(T\\P.wdp)", L"GblPm_SetCurrent_Project(T\\P.wdp)"}));
  EXPECT_TRUE(navigation.makeActivePending);  // told to the core when the editor is next idle
  EXPECT_EQ(coreCalls(L"vox_makeproj_active"), 0u);
  voxInstallSiblingServices(siblings()->services());
}

TEST_F(SubsystemNotifier, AReReadPassesOnOnlyWhatChanged) {
  VoxPrmSubsystemNotifier notifier;
  auto* drawing = openDrawing(L"D.dwg");
  const std::wstring p = project("P.wdp", plant);
  ASSERT_TRUE(manager.openProject(p.c_str(), true, false));
  log().clear();
  manager.onPreProjectReRead(p);
  writeNative(temp.native("P.wdp"), "+[10]0\r\n+[13]0\r\nA.dwg\r\nB.dwg\r\n====REF\r\nR.dwg\r\n");
  ASSERT_TRUE(manager.getProject(p.c_str())->readProject(p));
  manager.onProjectReRead(p);
  // Paths compared across the re-read go out upper-cased.
  EXPECT_EQ(siblingLines(), (Lines{L"PmMonitorFiles(T\\P.wdp, [" + os::toUpper(temp.path(L"B.dwg")) + L"], 1)",
                                   L"PmProjectLoaded(T\\P.wdp)",
                                   L"PmSetProjectVar(T\\P.wdp, COMB_TAG_LOGIC, 0)", L"PmSetProjectVar(T\\P.wdp, IEC, 0)"}));
  EXPECT_EQ(lispCore()->rereadRequests(), 0u);
  host().loop().runPending();  // the core hears of it from the application context
  EXPECT_EQ(lispCore()->rereadRequests(), 1u);

  static_cast<runtime::HeadlessDocument*>(drawing)->setQuiescent(false);
  manager.onPreProjectReRead(p);
  manager.onProjectReRead(p);
  EXPECT_EQ(navigation.requests.size(), 1u);  // busy: queued for the next idle moment
}

TEST_F(SubsystemNotifier, DrawingListChangesOfTheActiveProjectOnly) {
  VoxPrmSubsystemNotifier notifier;
  const std::wstring p = project("P.wdp", plant), q = project("Q.wdp");
  ASSERT_TRUE(manager.openProject(p.c_str(), true, false));
  ASSERT_TRUE(manager.openProject(q.c_str(), false, false));
  log().clear();
  VoxPrmFileDetails reference;
  reference.fileName = temp.path(L"R2.dwg");
  reference.isReference = true;
  manager.onProjectAddDrawing(p, reference);  // a reference is not monitored
  manager.onProjectAddDrawings(q, {reference});  // not the active project
  manager.onProjectRemoveDrawing(p, temp.path(L"A.dwg"), false);
  VoxPrmFileDetails nowReference = manager.getProject(p.c_str())->getProjFileDetails().at(1);
  nowReference.isReference = false;  // R.dwg stops being a reference
  manager.onPreProjectDrawingDetailsModify(p, nowReference);
  manager.onProjectReplaceDrawing(p, temp.path(L"R.dwg"), temp.path(L"S.dwg"), true);
  EXPECT_EQ(siblingLines(), (Lines{L"PmMonitorFile(T\\P.wdp, T\\A.dwg, 0)", L"PmProjectLoaded(T\\P.wdp)",
                                   L"PmMonitorFiles(T\\P.wdp, [T\\R.dwg], 1)", L"PmProjectLoaded(T\\P.wdp)"}));
}

TEST_F(SubsystemNotifier, WithoutAManagerNothingIsSubscribed) {
  core::installModuleObjects({});
  const VoxPrmSubsystemNotifier notifier;
  EXPECT_FALSE(notifier.isSubscribed());
}

}  // namespace
}  // namespace vox::test
