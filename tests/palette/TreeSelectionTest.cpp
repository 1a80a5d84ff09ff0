// Selecting in the project tree with the mouse and the keyboard: a selection never mixes a
// project with drawings, a range never reaches into another project, the anchor follows.

#include <gtest/gtest.h>

#include "TreeFixture.h"

namespace vox::test {
namespace {

// Three projects: P (active, expanded) with A-E, Q (expanded) with F-G, R (collapsed) with H.
class TreeSelection : public TreeFixture {
 protected:
  void SetUp() override {
    makeTree();
    openProject("P", {"A.dwg", "B.dwg", "C.dwg", "D.dwg", "E.dwg"}, true);
    openProject("Q", {"F.dwg", "G.dwg"}, false);
    openProject("R", {"H.dwg"}, false);
    tree->setExpanded(project("P"), true);
    tree->setExpanded(project("Q"), true);
  }
  HcNodeId p(const char* file) { return drawing("P", file); }
  HcNodeId q(const char* file) { return drawing("Q", file); }
  void click(HcNodeId id, unsigned modifiers = kHcNoModifier) { tree->click(id, HcHitPart::kLabel, modifiers); }
};

TEST_F(TreeSelection, PlainShiftAndCtrlClicksWithinAProject) {
  click(p("B.dwg"));
  EXPECT_EQ(selection("P"), L"P A.dwg [^B.dwg] C.dwg D.dwg E.dwg");
  click(p("D.dwg"), kHcShift);
  EXPECT_EQ(selection("P"), L"P A.dwg [B.dwg] [C.dwg] [^D.dwg] E.dwg");
  click(p("A.dwg"), kHcShift);
  EXPECT_EQ(selection("P"), L"P [^A.dwg] [B.dwg] C.dwg D.dwg E.dwg") << "a new range from the same anchor replaces the old one";
  click(p("E.dwg"), kHcCtrl);
  EXPECT_EQ(selection("P"), L"P [A.dwg] [B.dwg] C.dwg D.dwg [^E.dwg]") << "Ctrl adds, the previous caret keeps its flag";
  click(p("B.dwg"), kHcCtrl);
  EXPECT_EQ(selection("P"), L"P [A.dwg] B.dwg C.dwg D.dwg [^E.dwg]") << "Ctrl on a selected drawing takes it off";
  click(p("C.dwg"), kHcCtrl | kHcShift);
  EXPECT_EQ(selection("P"), L"P [A.dwg] [B.dwg] [^C.dwg] D.dwg [E.dwg]")
      << "Ctrl+Shift adds the range from the last extended drawing and keeps the rest";
  EXPECT_EQ(tree->GetSelectedCount(), 4);
  EXPECT_EQ(tree->lastExtendedItem(), p("C.dwg"));
}

TEST_F(TreeSelection, NothingMixesProjectsOrAProjectWithDrawings) {
  click(p("B.dwg"));
  click(q("G.dwg"), kHcShift);
  EXPECT_EQ(selection("P"), L"P A.dwg [^B.dwg] [C.dwg] [D.dwg] [E.dwg]") << "the range stops at its project";
  EXPECT_EQ(selection("Q"), L"P F.dwg G.dwg");

  click(p("B.dwg"));
  click(q("F.dwg"), kHcCtrl);
  EXPECT_EQ(selection("Q"), L"P F.dwg G.dwg") << "Ctrl on another project's drawing changes nothing";
  click(project("Q"), kHcCtrl);
  EXPECT_EQ(selection("Q"), L"P F.dwg G.dwg") << "Ctrl on a project changes nothing";
  EXPECT_EQ(selection("P"), L"P A.dwg [^B.dwg] C.dwg D.dwg E.dwg");

  click(project("P"));
  click(p("C.dwg"), kHcCtrl);
  EXPECT_EQ(selection("P"), L"[^P] A.dwg B.dwg C.dwg D.dwg E.dwg") << "Ctrl toggles only beside the anchor";
}

TEST_F(TreeSelection, CtrlOnTheCaretClearsItsFlagAndTheAnchorMovesOn) {
  click(p("B.dwg"));
  click(p("C.dwg"), kHcCtrl);
  click(p("B.dwg"), kHcCtrl);
  EXPECT_EQ(selection("P"), L"P A.dwg B.dwg [^C.dwg] D.dwg E.dwg");
  EXPECT_EQ(tree->anchorItem(), p("C.dwg")) << "the anchor moved off the node that lost its flag";
  click(p("C.dwg"), kHcCtrl);
  EXPECT_EQ(selection("P"), L"P A.dwg B.dwg ^C.dwg D.dwg E.dwg") << "a Ctrl click on the caret itself clears its flag";
  EXPECT_EQ(tree->GetSelectedCount(), 0);
}

TEST_F(TreeSelection, ShiftKeysSelectRangesThatStopAtProjects) {
  click(p("C.dwg"));
  tree->key(HcKey::kDown, kHcShift);
  tree->key(HcKey::kDown, kHcShift);
  EXPECT_EQ(selection("P"), L"P A.dwg B.dwg [C.dwg] [D.dwg] [^E.dwg]");
  tree->key(HcKey::kDown, kHcShift);
  EXPECT_EQ(selection("Q"), L"^P F.dwg G.dwg") << "the caret moves on, the project is not selected";
  tree->key(HcKey::kDown, kHcShift);
  EXPECT_EQ(selection("Q"), L"P ^F.dwg G.dwg") << "nor another project's drawing";
  EXPECT_EQ(selection("P"), L"P A.dwg B.dwg [C.dwg] [D.dwg] [E.dwg]");
  for (int i = 0; i < 5; ++i) tree->key(HcKey::kUp, kHcShift);
  EXPECT_EQ(selection("P"), L"P A.dwg [^B.dwg] [C.dwg] D.dwg E.dwg") << "back over the anchor";

  tree->key(HcKey::kDown, kHcNoModifier);
  EXPECT_EQ(selection("P"), L"P A.dwg B.dwg [^C.dwg] D.dwg E.dwg") << "a plain key drops the multi-selection";
  EXPECT_EQ(tree->anchorItem(), p("C.dwg"));
}

TEST_F(TreeSelection, PageKeysMoveByTheViewsPageAndSelectWithShift) {
  viewPort->page = 3;  // two rows a page, as a tree keeps one row in view
  click(p("A.dwg"));
  tree->key(HcKey::kPageDown, kHcShift);
  EXPECT_EQ(selection("P"), L"P [A.dwg] [B.dwg] [^C.dwg] D.dwg E.dwg");
  tree->key(HcKey::kPageDown, kHcNoModifier);
  EXPECT_EQ(selection("P"), L"P A.dwg B.dwg C.dwg D.dwg [^E.dwg]");

  click(project("P"));
  tree->key(HcKey::kPageDown, kHcShift);
  EXPECT_EQ(selection("P"), L"P [A.dwg] [^B.dwg] C.dwg D.dwg E.dwg") << "the anchor leaves the project node";
}

TEST_F(TreeSelection, CountsAndClearingSeeCollapsedProjectsRightly) {
  click(q("F.dwg"));
  click(q("G.dwg"), kHcShift);
  tree->setExpanded(project("Q"), false);
  EXPECT_EQ(tree->GetSelectedCount(), 1) << "drawings under a collapsed project do not count; its node is the caret";
  tree->ClearSelection(false);
  tree->setExpanded(project("Q"), true);
  EXPECT_EQ(selection("Q"), L"P F.dwg G.dwg") << "clearing reaches hidden drawings too";
  EXPECT_EQ(tree->GetFirstSelectedItem(), 0u);
}

TEST_F(TreeSelection, ARightPressInsideAMultiSelectionKeepsItAndOutsideSelectsTheNode) {
  struct MenuTree : CProjectTree {
    void OnContextMenu(HcPoint point) override { points.push_back(point); }
    std::vector<HcPoint> points;
  };
  MenuTree menuTree;
  menuTree.setExpanded(menuTree.roots().front(), true);
  const std::vector<HcNodeId> nodes = menuTree.children(menuTree.roots().front());
  menuTree.click(nodes[0], HcHitPart::kLabel, kHcNoModifier);
  menuTree.click(nodes[2], HcHitPart::kLabel, kHcShift);
  menuTree.rightClick(nodes[1], {10, 20});
  EXPECT_EQ(menuTree.GetSelectedCount(), 3);
  menuTree.rightClick(nodes[4], {30, 40});
  EXPECT_EQ(menuTree.GetSelectedCount(), 1);
  EXPECT_EQ(menuTree.GetCaret(), nodes[4]);
  menuTree.rightClick(0, {50, 60});
  EXPECT_EQ(menuTree.points, (std::vector<HcPoint>{{10, 20}, {30, 40}, {50, 60}}));
}

TEST_F(TreeSelection, OneSelectionNoticePerUserAction) {
  click(p("A.dwg"));
  const int before = listener.selectionChanges;
  click(p("E.dwg"), kHcShift);
  EXPECT_EQ(listener.selectionChanges - before, 1);
  int refreshes = 0;
  tree->setDetailsRefresh([&refreshes] { ++refreshes; });
  tree->key(HcKey::kUp, kHcShift);
  EXPECT_EQ(refreshes, 1) << "the details pane is asked once";
}

TEST_F(TreeSelection, AClickOnTheCaretsLabelRenamesAfterTheDoubleClickTimeUnlessADoubleClickCame) {
  click(p("B.dwg"));
  click(p("B.dwg"));
  EXPECT_TRUE(tree->isRenamePending());
  host().loop().advance(499);
  EXPECT_TRUE(listener.edits.empty());
  host().loop().advance(1);
  ASSERT_EQ(listener.edits.size(), 1u);
  EXPECT_EQ(listener.edits[0], (std::pair<HcNodeId, std::wstring>{p("B.dwg"), L"B.dwg"}));
  tree->endEdit(p("B.dwg"), std::nullopt);

  click(p("C.dwg"));
  click(p("C.dwg"));
  tree->doubleClick(p("C.dwg"));
  host().loop().advance(1000);
  EXPECT_EQ(listener.edits.size(), 1u) << "the double click took the rename back";
  click(p("C.dwg"));
  click(p("D.dwg"));
  host().loop().advance(1000);
  EXPECT_EQ(listener.edits.size(), 1u) << "a click elsewhere took it back";
}

TEST_F(TreeSelection, F2RenamesOnlyASingleDrawing) {
  click(p("A.dwg"));
  click(p("B.dwg"), kHcShift);
  tree->key(HcKey::kF2, kHcNoModifier);
  EXPECT_TRUE(listener.edits.empty()) << "two selected";
  click(project("P"));
  tree->key(HcKey::kF2, kHcNoModifier);
  EXPECT_TRUE(listener.edits.empty()) << "a project is not renamed";
  EXPECT_FALSE(tree->IsLabelEditing());
  click(p("E.dwg"));
  tree->key(HcKey::kF2, kHcNoModifier);
  ASSERT_EQ(listener.edits.size(), 1u);
  EXPECT_TRUE(tree->IsLabelEditing());
  EXPECT_EQ(tree->contextItem(), p("E.dwg"));
  tree->endEdit(p("E.dwg"), std::nullopt);
  EXPECT_FALSE(tree->IsLabelEditing());
}

}  // namespace
}  // namespace vox::test
