// The palette dock shows the palette set's project tree once the palette set has one, and the
// list of open projects while it has none.

#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "FakeTreeController.h"
#include "PaletteDock.h"
#include "ProjectTreeView.h"

namespace vox::studio::test {
namespace {

class FakePaletteSet : public HcPaletteSetController {
 public:
  std::wstring caption() const override { return L"Projects"; }
  std::wstring toolId() const override { return L"fake"; }
  bool isVisible() const override { return true; }
  void loadLayout(const pugi::xml_node& /*element*/) override {}
  void saveLayout(pugi::xml_node& /*element*/) override {}
  HcTreeController* tree() override { return tree_; }

  HcTreeController* tree_ = nullptr;
};

std::vector<OpenProjectRow> oneProject() { return {{L"\\p\\Plant.wdp", true}}; }

TEST(PaletteDockTree, ShowsTheOpenProjectsUntilThePaletteSetHasATreeThenTheTree) {
  FakePaletteSet paletteSet;
  FakeTreeController tree;
  tree.openProject(L"Plant", {L"A01.dwg"});
  PaletteDock dock(paletteSet, oneProject);
  dock.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dock));
  EXPECT_EQ(dock.treeView(), nullptr);
  EXPECT_TRUE(dock.projectList()->isVisible());
  EXPECT_EQ(dock.projectList()->item(0)->text(), QStringLiteral("Plant"));

  paletteSet.tree_ = &tree;
  dock.refresh();
  ASSERT_NE(dock.treeView(), nullptr) << "expected the tree taken up when the dock is refreshed";
  EXPECT_TRUE(dock.treeView()->isVisible());
  EXPECT_FALSE(dock.projectList()->isVisible());
  EXPECT_EQ(tree.viewPort(), dock.treeView());
  EXPECT_EQ(dock.treeView()->model()->index(0, 0).data().toString(), QStringLiteral("Plant"));
  ProjectTreeView* view = dock.treeView();
  dock.refresh();
  EXPECT_EQ(dock.treeView(), view) << "expected the same tree kept in the same view";
}

TEST(PaletteDockTree, ADockMadeForAPaletteSetWithATreeShowsItAndLetsGoOfItWhenItGoes) {
  FakePaletteSet paletteSet;
  FakeTreeController tree;
  paletteSet.tree_ = &tree;
  {
    PaletteDock dock(paletteSet, oneProject);
    ASSERT_NE(dock.treeView(), nullptr);
    EXPECT_EQ(tree.listener(), dock.treeView()->treeModel());
  }
  EXPECT_EQ(tree.listener(), nullptr);
  EXPECT_EQ(tree.viewPort(), nullptr);
}

TEST(PaletteDockTree, AnotherTreeReplacesTheViewWithoutTouchingTheOldTree) {
  FakePaletteSet paletteSet;
  auto first = std::make_unique<FakeTreeController>();
  FakeTreeController second;
  second.openProject(L"Second", {});
  paletteSet.tree_ = first.get();
  PaletteDock dock(paletteSet, oneProject);
  // The first tree goes with the palette set's change; a use of it would be caught by the
  // sanitizer build.
  first.reset();
  paletteSet.tree_ = &second;
  dock.refresh();
  ASSERT_NE(dock.treeView(), nullptr);
  EXPECT_EQ(second.viewPort(), dock.treeView());
  EXPECT_EQ(dock.treeView()->model()->index(0, 0).data().toString(), QStringLiteral("Second"));
  paletteSet.tree_ = nullptr;
  dock.refresh();
  EXPECT_EQ(dock.treeView(), nullptr);
  EXPECT_TRUE(dock.projectList()->isVisibleTo(&dock));
}

}  // namespace
}  // namespace vox::studio::test
