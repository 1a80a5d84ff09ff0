// The project tree built from the manager's projects: root order and bold, node texts and
// icons, the re-read and Refresh rebuilds, and the details texts.

#include <gtest/gtest.h>

#include <filesystem>

#include "TreeFixture.h"
#include "host/HcDocument.h"
#include "platform/os/Files.h"
#include "platform/os/WinPath.h"
#include "platform/siblings/ScratchDatabase.h"

namespace vox::test {
namespace {

using Tree = TreeFixture;

TEST_F(Tree, TheActiveProjectIsFirstAndBoldThroughOpenActivateAndClose) {
  makeTree();
  const std::wstring mid = openProject("Mid", {"A.dwg"}, true);
  openProject("zeta", {"Z.dwg"}, false);
  const std::wstring alpha = openProject("Alpha", {"B.dwg"}, false);
  EXPECT_EQ(rootTexts(), (std::vector<std::wstring>{L"MID*", L"ALPHA", L"ZETA"})) << "the others by their texts";

  ASSERT_TRUE(manager.setActiveProject(alpha.c_str()));
  EXPECT_EQ(rootTexts(), (std::vector<std::wstring>{L"ALPHA*", L"MID", L"ZETA"}));
  EXPECT_EQ(viewPort->lastEnsured, project("Alpha")) << "the new active project is scrolled into view";

  ASSERT_TRUE(manager.closeProject(mid.c_str(), true));
  EXPECT_EQ(rootTexts(), (std::vector<std::wstring>{L"ALPHA*", L"ZETA"}));
  ASSERT_TRUE(manager.closeAllNonActiveProjects());
  EXPECT_EQ(rootTexts(), std::vector<std::wstring>{L"ALPHA*"});
}

TEST_F(Tree, ATreeMadeAfterProjectsWereOpenedShowsThemAndTheActiveOne) {
  openProject("One", {"A.dwg", "B.dwg"}, false);
  const std::wstring two = openProject("Two", {"C.dwg"}, true);
  makeTree();
  EXPECT_EQ(rootTexts(), (std::vector<std::wstring>{L"TWO*", L"ONE"}));
  EXPECT_EQ(drawings("One").size(), 2u);
  EXPECT_TRUE(tree->IsProjectItem(project("Two")));
  EXPECT_EQ(tree->GetProjectItem(two), project("Two"));
  EXPECT_EQ(tree->GetProjectDataForItem(drawing("One", "B.dwg"))->path, tree->GetItemData(project("One"))->path);
}

TEST_F(Tree, DrawingNodesFollowTheDisplayOrderAndTheirEntries) {
  ASSERT_TRUE(manager.setDwgDisplaySetting({103, 108}, L"-", true));
  makeTree();
  openProject("P", {"=Power\n===Motor feeders\nA.dwg", "B.dwg", "===\n===Second line only\nC.dwg",
                    "===Legend\n====REF\nR.dwg"},
              true);
  const std::vector<HcNodeId> nodes = drawings("P");
  ASSERT_EQ(nodes.size(), 4u);
  EXPECT_EQ(text(nodes[0]), L"A.dwg - Motor feeders");
  EXPECT_EQ(text(nodes[1]), L"B.dwg");
  EXPECT_EQ(text(nodes[2]), L"C.dwg") << "an empty first line adds neither text nor joiner";
  EXPECT_EQ(tree->node(nodes[0])->icon, kDrawingIcon);
  EXPECT_EQ(tree->node(nodes[3])->icon, kReferenceIcon);
  const auto* record = static_cast<const _dwgdatastruct*>(tree->GetItemData(nodes[0]));
  EXPECT_EQ(record->kind, kDrawingNodeKind);
  EXPECT_EQ(record->path, drawingPath("P", "A.dwg"));
  EXPECT_EQ(record->details.section, L"Power");
  EXPECT_TRUE(tree->keepsSelectionVisible());

  ASSERT_TRUE(manager.setDwgDisplaySetting({104, 103, 291}, L"/", false));
  tree->Refresh();
  EXPECT_EQ(text(drawings("P")[0]), L"Power / A.dwg");
  EXPECT_EQ(text(drawings("P")[2]), L"C.dwg / Second line only");
  EXPECT_FALSE(tree->keepsSelectionVisible());
}

TEST_F(Tree, TheScratchDatabaseGivesSheetAndCodesAndItsAbsenceOnlyEmptiesThem) {
  ASSERT_TRUE(manager.setDwgDisplaySetting({101, 106, 103}, L"-", true));
  std::wstring error;
  std::filesystem::create_directories(temp.native("P"));
  {
    const auto db = siblings::ScratchDatabase::open(temp.native("P/P.mdb"), true, error);
    ASSERT_TRUE(db && db->put({{drawingPath("P", "A.dwg"), L"12", L"D-12", L"=PLANT", L""}}, error));
  }
  makeTree();
  openProject("P", {"A.dwg", "B.dwg"}, true);
  EXPECT_EQ(text(drawing("P", "A.dwg")), L"=PLANT - 12 - A.dwg");
  EXPECT_EQ(text(drawing("P", "B.dwg")), L"B.dwg") << "no row: the codes give nothing";
  EXPECT_EQ(static_cast<const _dwgdatastruct*>(tree->GetItemData(drawing("P", "A.dwg")))->sheet, L"12");

  std::filesystem::remove(temp.native("P/P.mdb"));
  tree->Refresh();
  EXPECT_EQ(text(drawing("P", "A.dwg")), L"A.dwg");
  EXPECT_EQ(host().commandLine().transcript().find(L"scratch database"), std::wstring::npos)
      << "no database file is no error";
  writeNative(temp.native("P/P.mdb"), "not a database, but a file of text that is long enough to be read");
  tree->Refresh();
  EXPECT_EQ(text(drawing("P", "A.dwg")), L"A.dwg");
  EXPECT_NE(host().commandLine().transcript().find(L"cannot be read"), std::wstring::npos)
      << "the recordset's error is printed:\n" << host().commandLine().transcript();
  tree->SelectMultiple(drawing("P", "A.dwg"), kHcNoModifier, {});
  std::wstring details;
  ASSERT_TRUE(tree->GetDisplayDetails(details));
  EXPECT_NE(details.find(L"Sheet: \n"), std::wstring::npos) << "only the label without a database:\n" << details;
}

TEST_F(Tree, TheActiveDrawingIsBoldWhereverItIs) {
  makeTree();
  openProject("P", {"A.dwg", "B.dwg"}, true);
  openProject("Q", {"C.dwg"}, false);
  manager.drawingActivated(drawingPath("Q", "C.dwg"));
  EXPECT_TRUE(tree->node(drawing("Q", "C.dwg"))->bold);
  ASSERT_NE(host().documents().appContextOpenDocument(drawingPath("P", "B.dwg"), false), nullptr);
  manager.drawingActivated(drawingPath("P", "b.DWG"));
  EXPECT_FALSE(tree->node(drawing("Q", "C.dwg"))->bold);
  EXPECT_TRUE(tree->node(drawing("P", "B.dwg"))->bold) << "found ignoring case";
  tree->Refresh();
  EXPECT_TRUE(tree->node(drawing("P", "B.dwg"))->bold) << "a rebuild keeps the bold drawing";
}

TEST_F(Tree, AReReadKeepsExpansionSelectionAndTheFirstVisibleNodes) {
  makeTree();
  const std::wstring p = openProject("P", {"A.dwg", "B.dwg", "C.dwg", "D.dwg"}, true);
  openProject("Q", {"E.dwg"}, false);
  tree->setExpanded(project("P"), true);
  tree->SelectMultiple(drawing("P", "B.dwg"), kHcNoModifier, {});
  tree->SelectMultiple(drawing("P", "D.dwg"), kHcCtrl, {});
  viewPort->top = drawing("P", "C.dwg");
  const HcNodeId oldC = drawing("P", "C.dwg");

  // Another user puts a drawing in front of the others.
  writeNative(temp.native("P/N.dwg"), emptyDrawing());
  writeNative(temp.native("P/P.wdp"), "*[1]P project\r\nN.dwg\r\nA.dwg\r\nB.dwg\r\nC.dwg\r\nD.dwg\r\n");
  ASSERT_TRUE(manager.reReadProject(p.c_str()));

  EXPECT_NE(drawing("P", "C.dwg"), oldC) << "drawing nodes are rebuilt whole";
  EXPECT_TRUE(tree->node(project("P"))->expanded);
  EXPECT_FALSE(tree->node(project("Q"))->expanded);
  EXPECT_EQ(selection("P"), L"P N.dwg A.dwg [^B.dwg] C.dwg [D.dwg]");
  EXPECT_EQ(viewPort->top, drawing("P", "C.dwg"));
  EXPECT_EQ(tree->GetSelectedCount(), 2);
}

TEST_F(Tree, AReReadKeepsASelectedProjectNodeAndScrollsToTheSecondVisibleNodeWhenTheFirstIsGone) {
  makeTree();
  const std::wstring p = openProject("P", {"A.dwg", "B.dwg"}, true);
  tree->setExpanded(project("P"), true);
  tree->SelectMultiple(project("P"), kHcNoModifier, {});
  viewPort->top = drawing("P", "A.dwg");  // B is the second visible node
  writeNative(temp.native("P/P.wdp"), "*[1]P project\r\nB.dwg\r\n");
  ASSERT_TRUE(manager.reReadProject(p.c_str()));
  EXPECT_EQ(selection("P"), L"[^P] B.dwg");
  EXPECT_EQ(viewPort->top, drawing("P", "B.dwg"));
}

TEST_F(Tree, RefreshReselectsTheDrawingsOfTheSelectionAndKeepsTheOtherProjects) {
  makeTree();
  openProject("P", {"A.dwg", "B.dwg", "C.dwg"}, true);
  openProject("Q", {"D.dwg"}, false);
  tree->setExpanded(project("P"), true);
  tree->setExpanded(project("Q"), true);
  tree->SelectMultiple(drawing("P", "A.dwg"), kHcNoModifier, {});
  tree->SelectMultiple(drawing("P", "C.dwg"), kHcShift, {});
  const int before = listener.selectionChanges;
  tree->Refresh();
  EXPECT_EQ(selection("P"), L"P [^A.dwg] [B.dwg] [C.dwg]") << "the first drawing found becomes the caret";
  EXPECT_EQ(selection("Q"), L"P D.dwg");
  EXPECT_TRUE(tree->node(project("Q"))->expanded);
  EXPECT_LE(listener.selectionChanges - before, 1) << "one notice for the whole rebuild";
  std::vector<std::wstring> paths;
  std::wstring projectID;
  ASSERT_TRUE(tree->AreDrawingsSelected(paths, &projectID));
  EXPECT_EQ(paths, (std::vector<std::wstring>{drawingPath("P", "A.dwg"), drawingPath("P", "B.dwg"), drawingPath("P", "C.dwg")}));
  EXPECT_EQ(projectID, tree->GetItemData(project("P"))->path);
}

TEST_F(Tree, StructuralChangesAreToldBeforeAndAfter) {
  makeTree();
  openProject("P", {"A.dwg", "B.dwg"}, true);
  listener.log.clear();
  tree->Refresh();
  EXPECT_EQ(listener.log, (std::vector<std::wstring>{L"-children? 0 2", L"-children 0"}));
}

TEST_F(Tree, DetailsOfADrawingAndOfAProject) {
  makeTree();
  openProject("P", {"===Motor\n===Pumps\nA.dwg", "B.dwg"}, true);
  writeNative(temp.native("P/A.dwg"), std::string(3000, ' '));
  tree->SelectMultiple(drawing("P", "B.dwg"), kHcNoModifier, {});
  std::wstring details;
  ASSERT_TRUE(tree->GetDisplayDetails(details));
  EXPECT_EQ(details.substr(0, details.find(L"Size:")),
            L"Status: Not locked\nSheet: \nDescription: \nFile name: B.dwg\n\nFolder: " +
                os::folderOf(drawingPath("P", "B.dwg")) + L"\n\n")
      << details;
  EXPECT_NE(details.find(L"Last saved by: \n"), std::wstring::npos) << details;

  tree->SelectMultiple(drawing("P", "A.dwg"), kHcNoModifier, {});
  details.clear();
  ASSERT_TRUE(tree->GetDisplayDetails(details));
  EXPECT_NE(details.find(L"Description: Motor\nDescription: Pumps\n\n"), std::wstring::npos) << details;
  EXPECT_NE(details.find(L"Size: 2 KB (3000 bytes)\nModified: "), std::wstring::npos) << details;

  tree->SelectMultiple(project("P"), kHcNoModifier, {});
  details.clear();
  ASSERT_TRUE(tree->GetDisplayDetails(details));
  EXPECT_EQ(details.substr(0, details.find(L"Project database:")),
            L"Status: Not locked\nFile name: P.wdp\n\nFolder: " + os::folderOf(drawingPath("P", "A.dwg")) + L"\n\n");
  EXPECT_NE(details.find(L"Line 1: P project\n"), std::wstring::npos) << details;

  tree->ClearSelection(false);
  details.clear();
  EXPECT_FALSE(tree->GetDisplayDetails(details)) << "no caret, no details";
}

TEST_F(Tree, TheLastSavedByComesFromTheDrawingUnlessAnotherUserHasItOpen) {
  makeTree();
  openProject("P", {"A.dwg"}, true);
  writeNative(temp.native("P/A.dwg"),
              R"({"format":"voxfolio-drawing","version":1,"header":{"currentLayer":"0","lastSavedBy":"jsmith"},)"
              R"("layers":[{"name":"0","frozen":false}],"spaces":[{"name":"*Model_Space","entities":[]}]})");
  tree->SelectMultiple(drawing("P", "A.dwg"), kHcNoModifier, {});
  std::wstring details;
  ASSERT_TRUE(tree->GetDisplayDetails(details));
  EXPECT_NE(details.find(L"Last saved by: jsmith\n"), std::wstring::npos) << details;

  writeNative(temp.native("P/A.dwl"), "colleague\nother-host Jo Colleague\nMonday, 07 December 2026  10:00:00");
  details.clear();
  ASSERT_TRUE(tree->GetDisplayDetails(details));
  EXPECT_NE(details.find(L"Status: Locked by "), std::wstring::npos) << details;
  EXPECT_NE(details.find(L"Last saved by: \n"), std::wstring::npos) << "not read while another user has it:\n"
                                                                    << details;
}

TEST_F(Tree, ChangesOfTheDrawingListThroughTheManagerShowAtOnceKeepingTheSelection) {
  makeTree();
  const std::wstring p = openProject("P", {"A.dwg", "B.dwg", "C.dwg"}, true);
  tree->setExpanded(project("P"), true);
  tree->SelectMultiple(drawing("P", "C.dwg"), kHcNoModifier, {});
  ASSERT_TRUE(manager.removeFileFromProject(drawingPath("P", "A.dwg"), p.c_str()));
  EXPECT_EQ(selection("P"), L"P B.dwg [^C.dwg]");
  writeNative(temp.native("P/D.dwg"), emptyDrawing());
  VoxPrmFileDetails entry;
  entry.fileName = drawingPath("P", "D.dwg");
  ASSERT_TRUE(manager.addFileToProject(entry, p.c_str(), false, true));
  ASSERT_TRUE(manager.replaceFileInProject(drawingPath("P", "B.dwg"), drawingPath("P", "A.dwg"), p.c_str()));
  EXPECT_EQ(selection("P"), L"P A.dwg [^C.dwg] D.dwg");
}

}  // namespace
}  // namespace vox::test
