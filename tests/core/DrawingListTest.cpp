// Drawing-list operations of the manager on real project files: what is written, what is
// announced, and what a failed write leaves behind.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/ManagerTestSupport.h"
#include "platform/lispcore/LispCore.h"
#include "projectfile/VoxPrmWDPFiler.h"

namespace vox::test {
namespace {

using Events = std::vector<std::wstring>;

// Records the drawing-list events as "add A", "adds 3", "remove A ref", "removes 2",
// "replace A>B", "pre-modify A (old: x)", with file names only.
class DrawingRecorder : public VoxPrmProjectEventReceiver {
 public:
  explicit DrawingRecorder(VoxPrmProjectManager& manager) : manager_(manager) {
    VoxPrmProjectEvents& e = manager.events();
    e.projectAddDrawing.subscribe(this, &DrawingRecorder::onAdd);
    e.projectAddDrawings.subscribe(this, &DrawingRecorder::onAdds);
    e.projectRemoveDrawing.subscribe(this, &DrawingRecorder::onRemove);
    e.projectRemoveDrawings.subscribe(this, &DrawingRecorder::onRemoves);
    e.projectReplaceDrawing.subscribe(this, &DrawingRecorder::onReplace);
    e.preProjectDrawingDetailsModify.subscribe(this, &DrawingRecorder::onPreModify);
  }
  ~DrawingRecorder() override { manager_.unsubscribeAll(this); }
  Events events;

 private:
  static std::wstring name(const std::wstring& path) { return path.substr(path.rfind(L'\\') + 1); }
  void onAdd(const std::wstring&, const VoxPrmFileDetails& d) { events.push_back(L"add " + name(d.fileName)); }
  void onAdds(const std::wstring&, const std::vector<VoxPrmFileDetails>& d) { events.push_back(L"adds " + std::to_wstring(d.size())); }
  void onRemove(const std::wstring&, const std::wstring& path, bool ref) {
    events.push_back(L"remove " + name(path) + (ref ? L" ref" : L""));
  }
  void onRemoves(const std::wstring&, const std::vector<VoxPrmFileDetails>& d) {
    events.push_back(L"removes " + std::to_wstring(d.size()));
  }
  void onReplace(const std::wstring&, const std::wstring& from, const std::wstring& to, bool) {
    events.push_back(L"replace " + name(from) + L">" + name(to));
  }
  void onPreModify(const std::wstring& id, const VoxPrmFileDetails& d) {
    VoxPrmFileDetails old;
    std::vector<VoxPrmFileDetails> found;
    manager_.getProject(id.c_str())->getDetailsForFiles({d.fileName}, found);
    events.push_back(L"pre-modify " + name(d.fileName) + L" (old: " + found.at(0).section + L")");
  }
  VoxPrmProjectManager& manager_;
};

class DrawingList : public ManagerFixture {
 protected:
  DrawingList() {
    id = project("P.wdp", "*[1]Plant\r\n=Power\r\nA.dwg\r\n====REF\r\nR.dwg\r\n");
    for (const char* name : {"A.dwg", "R.dwg"}) writeNative(temp.native(name), "{}");  // nothing to repair
    EXPECT_TRUE(manager.openProject(id.c_str(), true, false));
    EXPECT_TRUE(answers.asked().empty());
  }
  VoxPrmFileDetails drawing(const std::wstring& name) {
    VoxPrmFileDetails d;
    d.fileName = temp.path(name);
    return d;
  }
  std::string onDisk() { return readNative(temp.native("P.wdp")); }
  // What the writer makes of the project's data in memory, written beside the project.
  std::string asWritten() {
    VoxPrmWDPFiler filer(temp.path(L"expected.wdp"), false);
    EXPECT_TRUE(filer.writeProject(manager.getProject(id.c_str())->GetProjData()));
    return readNative(temp.native("expected.wdp"));
  }
  std::wstring id;
};

TEST_F(DrawingList, AddingADrawingAlreadyListedChangesNothing) {
  DrawingRecorder recorder(manager);
  const std::string before = onDisk();
  const auto stamp = std::filesystem::last_write_time(temp.native("P.wdp"));
  VoxPrmFileDetails again = drawing(L"a.DWG");
  EXPECT_FALSE(manager.addFileToProject(again, nullptr, false, false));
  EXPECT_EQ(onDisk(), before);
  EXPECT_EQ(std::filesystem::last_write_time(temp.native("P.wdp")), stamp);
  EXPECT_TRUE(recorder.events.empty());

  VoxPrmFileDetails fresh = drawing(L"B.dwg");
  EXPECT_TRUE(manager.addFileToProject(fresh, id.c_str(), false, false));
  EXPECT_EQ(recorder.events, Events{L"add B.dwg"});
  EXPECT_EQ(onDisk(), asWritten());
}

TEST_F(DrawingList, AddingSeveralSkipsTheListedOnesWritesOnceAndAnnouncesAll) {
  DrawingRecorder recorder(manager);
  EXPECT_TRUE(manager.addFilesToProject({drawing(L"B.dwg"), drawing(L"A.dwg"), drawing(L"C.dwg")}, nullptr, false, false));
  EXPECT_EQ(recorder.events, Events{L"adds 3"});
  ASSERT_EQ(manager.getProject(id.c_str())->getProjFileDetails().size(), 4u);
  EXPECT_EQ(manager.getProject(id.c_str())->getProjFileDetails()[3].fileName, temp.path(L"C.dwg"));
  EXPECT_EQ(onDisk(), asWritten());
}

TEST_F(DrawingList, RemovingReplacingAndRenaming) {
  DrawingRecorder recorder(manager);
  EXPECT_TRUE(manager.removeFileFromProject(temp.path(L"R.dwg"), nullptr));
  EXPECT_FALSE(manager.removeFileFromProject(temp.path(L"R.dwg"), nullptr));  // gone already
  EXPECT_TRUE(manager.replaceFileInProject(temp.path(L"A.dwg"), temp.path(L"A2.dwg"), nullptr));
  EXPECT_TRUE(manager.renameFileInProject(temp.path(L"A2.dwg"), temp.path(L"A3.dwg"), nullptr));
  EXPECT_EQ(recorder.events, (Events{L"remove R.dwg ref", L"replace A.dwg>A2.dwg"}));  // a rename is quiet
  EXPECT_EQ(onDisk(), asWritten());
  EXPECT_NE(onDisk().find("A3.dwg"), std::string::npos);
  EXPECT_TRUE(manager.removeFilesFromProject({temp.path(L"A3.dwg"), temp.path(L"none.dwg")}, nullptr));
  EXPECT_EQ(recorder.events.back(), L"removes 1");
}

TEST_F(DrawingList, PreOperationsAnnounceBeforeChangingMemoryOnly) {
  DrawingRecorder recorder(manager);
  const std::string before = onDisk();
  VoxPrmFileDetails changed = manager.getProject(id.c_str())->getProjFileDetails()[0];
  changed.section = L"Control";
  EXPECT_TRUE(manager.modifyDetailsForFileInProject(changed, nullptr));
  EXPECT_EQ(recorder.events, Events{L"pre-modify A.dwg (old: Power)"});
  EXPECT_EQ(manager.getProject(id.c_str())->getProjFileDetails()[0].section, L"Control");
  EXPECT_EQ(onDisk(), before);
}

TEST_F(DrawingList, AFailedWriteKeepsTheChangeForTheNextWrite) {
  DrawingRecorder recorder(manager);
  ::chmod(temp.native("P.wdp").c_str(), 0444);
  VoxPrmFileDetails b = drawing(L"B.dwg");
  EXPECT_FALSE(manager.addFileToProject(b, nullptr, false, false));
  EXPECT_TRUE(recorder.events.empty());
  EXPECT_EQ(onDisk().find("B.dwg"), std::string::npos);
  ::chmod(temp.native("P.wdp").c_str(), 0644);
  VoxPrmFileDetails c = drawing(L"C.dwg");
  EXPECT_TRUE(manager.addFileToProject(c, nullptr, false, false));
  EXPECT_NE(onDisk().find("B.dwg"), std::string::npos);  // carried by the later write
  EXPECT_EQ(onDisk(), asWritten());
}

TEST_F(DrawingList, TerminalLinksOfNewDrawingsAreUpdatedSilentlyOrAfterAsking) {
  siblings()->pmClient();  // the client knows the project once it is opened with a database
  ASSERT_TRUE(PmOpenProject(id, L"\\db\\P.mdb", 0, 0, 0));
  const auto updates = [this] {
    return std::count_if(lispCore()->calls().begin(), lispCore()->calls().end(),
                         [](const auto& c) { return c.name == L"c:vox_term_linkterm_update_main"; });
  };
  EXPECT_TRUE(manager.updateTermAssociations({drawing(L"A.dwg"), drawing(L"N.dwg")}, manager.getProject(0), true));
  EXPECT_EQ(updates(), 1);
  EXPECT_EQ(lispCore()->calls().back().arguments, L"(" + hcLispQuoted(temp.path(L"N.dwg")) + L")");  // only the new one

  answers.queueAnswer(HcAnswer::kCancel);
  EXPECT_TRUE(manager.updateTermAssociations({drawing(L"N.dwg")}, manager.getProject(0), false));
  EXPECT_EQ(updates(), 1);
  answers.queueAnswer(HcAnswer::kOk);
  EXPECT_TRUE(manager.updateTermAssociations({drawing(L"N.dwg")}, manager.getProject(0), false));
  EXPECT_EQ(updates(), 2);
  ASSERT_EQ(answers.asked().size(), 2u);
  EXPECT_NE(answers.asked()[1].text.find(temp.path(L"N.dwg")), std::wstring::npos);
  EXPECT_FALSE(manager.updateTermAssociations({}, nullptr, true));
}

TEST_F(DrawingList, ADrawingListedTwiceLeavesTheUpdateListOnePerActivation) {
  openDrawing(L"D.dwg");
  manager.setDrawingsNeedWD_MUpdate({L"\\p\\A.dwg", L"\\p\\B.dwg"}, false);
  manager.setDrawingsNeedWD_MUpdate({L"\\p\\A.dwg", L"\\p\\a.dwg"}, true);  // exact duplicates only are dropped
  EXPECT_EQ(manager.drawingsNeedingWD_MUpdate().size(), 3u);
  EXPECT_TRUE(manager.notifyLispWD_MAndRemove(L"\\P\\A.DWG"));
  EXPECT_TRUE(manager.notifyLispWD_MAndRemove(L"\\P\\A.DWG"));
  EXPECT_FALSE(manager.notifyLispWD_MAndRemove(L"\\P\\A.DWG"));
  EXPECT_EQ(manager.drawingsNeedingWD_MUpdate(), std::vector<std::wstring>{L"\\p\\B.dwg"});
  host().loop().runPending();
  const auto& calls = lispCore()->calls();
  EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const auto& c) { return c.name == L"c:wd_reread_dwg_params"; }), 2);
}

TEST_F(DrawingList, AMovedActiveProjectIsOpenedAgainFromItsNewPlace) {
  std::filesystem::create_directories(temp.native("moved"));
  std::filesystem::copy_file(temp.native("P.wdp"), temp.native("moved/P.wdp"));
  EXPECT_TRUE(manager.projectMoved(id, temp.path(L"moved\\P.wdp")));
  ASSERT_EQ(manager.getProjectCount(), 1);
  EXPECT_EQ(GetActiveProject()->getProjectID(), temp.path(L"moved\\P.wdp"));
  EXPECT_EQ(FindDwgInOpenProject(temp.path(L"moved\\A.dwg").c_str()), GetActiveProject());
}

}  // namespace
}  // namespace vox::test
