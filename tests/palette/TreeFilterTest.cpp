// The filter box over the project tree: matching drawings by text or file name ignoring case,
// hidden drawings out of every selection rule, rebuilds filtered as they come, and clearing the
// filter bringing back the tree as it was.

#include <gtest/gtest.h>

#include "TreeFixture.h"

namespace vox::test {
namespace {

// P (active, expanded): A-E, C and E described "Motor"; Q (collapsed): F, G.
class TreeFilter : public TreeFixture {
 protected:
  void SetUp() override {
    makeTree();
    openProject("P", {"A.dwg", "B.dwg", "===Motor feeder\nC.dwg", "D.dwg", "===Motor start\nE.dwg"}, true);
    openProject("Q", {"F.dwg", "Gmotor.dwg"}, false);
    tree->setExpanded(project("P"), true);
  }
  void click(HcNodeId id, unsigned modifiers = kHcNoModifier) { tree->click(id, HcHitPart::kLabel, modifiers); }
  std::wstring shown(const std::string& projectName) const {
    std::wstring out;
    for (const HcNodeId id : drawings(projectName)) out += (out.empty() ? L"" : L" ") + text(id);
    return out;
  }
  void showDescriptions() {
    ASSERT_TRUE(manager.setDwgDisplaySetting({103, 108}, L"-", false));
    tree->Refresh();
  }
};

TEST_F(TreeFilter, MatchesTextOrFileNameIgnoringCaseAndExpandsProjectsWithMatches) {
  showDescriptions();
  tree->setFilter(L"moTor");
  EXPECT_EQ(shown("P"), L"C.dwg - Motor feeder E.dwg - Motor start") << "by the shown description";
  EXPECT_EQ(shown("Q"), L"Gmotor.dwg") << "by the file name";
  EXPECT_TRUE(tree->node(project("Q"))->expanded) << "a project with matches is expanded";
  EXPECT_EQ(tree->hiddenCount(), 4u);
  EXPECT_EQ(tree->filterText(), L"moTor");

  tree->setFilter(L"nothing like it");
  EXPECT_TRUE(drawings("P").empty());
  EXPECT_EQ(tree->hiddenCount(), 7u);
  tree->setFilter(L"");
  EXPECT_EQ(shown("P"), L"A.dwg B.dwg C.dwg - Motor feeder D.dwg E.dwg - Motor start") << "project order again";
  EXPECT_EQ(tree->hiddenCount(), 0u);
}

TEST_F(TreeFilter, HiddenDrawingsLoseTheirSelectionAndRangesSkipThem) {
  click(drawing("P", "A.dwg"));
  click(drawing("P", "B.dwg"), kHcCtrl);
  tree->setFilter(L"a.dwg");
  EXPECT_EQ(selection("P"), L"P [A.dwg]") << "B is hidden: no longer selected";
  EXPECT_EQ(tree->GetSelectedCount(), 1);

  tree->setFilter(L"");
  tree->setFilter(L"[ACE]");  // taken as typed, not as a pattern: hides all
  EXPECT_EQ(tree->hiddenCount(), 7u);
  tree->setFilter(L".dwg");   // everything: nothing hidden
  EXPECT_EQ(tree->hiddenCount(), 0u);
  tree->setFilter(L"");

  showDescriptions();
  tree->setFilter(L"motor");
  click(drawing("P", "C.dwg"));
  click(drawing("P", "E.dwg"), kHcShift);
  EXPECT_EQ(selection("P"), L"P [C.dwg - Motor feeder] [^E.dwg - Motor start]") << "D is hidden: not in the range";
  std::vector<std::wstring> paths;
  ASSERT_TRUE(tree->AreDrawingsSelected(paths, nullptr));
  EXPECT_EQ(paths.size(), 2u) << "commands act on the visible selection only";
}

TEST_F(TreeFilter, ClearingBringsBackTheExpansionAndTheSelectionFromBefore) {
  click(drawing("P", "B.dwg"));
  click(drawing("P", "D.dwg"), kHcCtrl);
  tree->setFilter(L"motor");
  EXPECT_TRUE(tree->node(project("Q"))->expanded);
  tree->setFilter(L"");
  EXPECT_FALSE(tree->node(project("Q"))->expanded) << "Q was collapsed before the filter";
  EXPECT_TRUE(tree->node(project("P"))->expanded);
  EXPECT_EQ(selection("P"), L"P A.dwg [B.dwg] C.dwg [^D.dwg] E.dwg");

  tree->setFilter(L"gm");
  click(drawing("Q", "Gmotor.dwg"));
  tree->setFilter(L"");
  EXPECT_EQ(selection("Q"), L"P F.dwg [^Gmotor.dwg]") << "a selection made while filtering stays";
  EXPECT_TRUE(tree->node(project("Q"))->expanded) << "and stays in sight";
  EXPECT_EQ(tree->GetSelectedCount(), 1);
}

TEST_F(TreeFilter, DrawingsAddedWhileFilteringAreFilteredToo) {
  tree->setFilter(L"motor");
  VoxPrmFileDetails added;
  added.fileName = drawingPath("P", "Motor2.dwg");
  VoxPrmFileDetails other;
  other.fileName = drawingPath("P", "Z.dwg");
  ASSERT_TRUE(manager.addFileToProject(added, GetActiveProject()->getProjectID().c_str(), false, true));
  ASSERT_TRUE(manager.addFileToProject(other, GetActiveProject()->getProjectID().c_str(), false, true));
  EXPECT_EQ(shown("P"), L"Motor2.dwg");
  tree->setFilter(L"");
  EXPECT_EQ(shown("P"), L"A.dwg B.dwg C.dwg D.dwg E.dwg Motor2.dwg Z.dwg");
}

TEST_F(TreeFilter, ExpandAndCollapseAllProjects) {
  tree->setAllExpanded(true);
  EXPECT_TRUE(tree->node(project("Q"))->expanded);
  tree->setAllExpanded(false);
  EXPECT_FALSE(tree->node(project("P"))->expanded);
  EXPECT_FALSE(tree->node(project("Q"))->expanded);
}

}  // namespace
}  // namespace vox::test
