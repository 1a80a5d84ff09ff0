// The project tree's view over an in-memory controller, offscreen: presses, keys and the label
// editor reach the controller with the right node, part and modifiers; the view shows the
// controller's selection, caret, expansion and scroll position; rows are two pixels taller than
// Qt's default on the window colour.

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "FakeTreeController.h"
#include "ProjectTreeView.h"
#include "StudioFixture.h"

namespace vox::studio::test {
namespace {

class TreeView : public ::testing::Test {
 protected:
  TreeView() {
    tree.openProject(L"Plant", {L"A01.dwg", L"A02.dwg", L"A03.dwg", L"A04.dwg"});
    tree.openProject(L"Other", {L"B01.dwg", L"B02.dwg"});
    tree.setDescription(tree.drawingId(0, 1), L"Motors");
  }

  void SetUp() override {
    view = std::make_unique<ProjectTreeView>(tree);
    view->resize(320, 400);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }

  QModelIndex at(HcNodeId id) const { return view->treeModel()->indexOf(id); }
  QRect rectOf(HcNodeId id) const { return view->visualRect(at(id)); }
  // Points on a row: its icon (the first pixels of the item), its label (well into the text),
  // right of the label, and on a project's expand arrow (in the indentation left of the item).
  QPoint iconPoint(HcNodeId id) const { return {rectOf(id).left() + 6, rectOf(id).center().y()}; }
  QPoint labelPoint(HcNodeId id) const { return {rectOf(id).left() + 36, rectOf(id).center().y()}; }
  QPoint besidePoint(HcNodeId id) const { return {rectOf(id).right() - 4, rectOf(id).center().y()}; }
  QPoint arrowPoint(HcNodeId id) const { return {rectOf(id).left() - view->indentation() / 2, rectOf(id).center().y()}; }
  void click(QPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, point);
  }

  std::vector<HcNodeId> viewSelection() const {
    std::vector<HcNodeId> ids;
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes()) ids.push_back(ProjectTreeItemModel::idOf(index));
    std::sort(ids.begin(), ids.end());
    return ids;
  }
  std::vector<HcNodeId> controllerSelection() const {
    std::vector<HcNodeId> ids = tree.selected();
    std::sort(ids.begin(), ids.end());
    return ids;
  }
  QLineEdit* openEditor() const {
    for (QLineEdit* editor : view->findChildren<QLineEdit*>())
      if (editor->isVisible()) return editor;
    return nullptr;
  }

  FakeTreeController tree;
  std::unique_ptr<ProjectTreeView> view;
};

TEST_F(TreeView, ACtrlClickOnALabelReachesTheControllerWithItsNodeAndModifiers) {
  click(labelPoint(tree.drawingId(0, 0)));
  click(labelPoint(tree.drawingId(0, 2)), Qt::ControlModifier);
  ASSERT_EQ(tree.clicks.size(), 2u);
  EXPECT_EQ(tree.clicks[1].id, tree.drawingId(0, 2));
  EXPECT_EQ(tree.clicks[1].part, HcHitPart::kLabel);
  EXPECT_EQ(tree.clicks[1].modifiers, unsigned(kHcCtrl));
  const std::vector<HcNodeId> expected{tree.drawingId(0, 0), tree.drawingId(0, 2)};
  EXPECT_EQ(viewSelection(), expected) << "expected the view to show the controller's two selected drawings";
  EXPECT_EQ(view->currentIndex(), at(tree.drawingId(0, 2)));
}

TEST_F(TreeView, AShiftClickOnAnIconSelectsTheRangeTheControllerChose) {
  click(labelPoint(tree.drawingId(0, 1)));
  click(iconPoint(tree.drawingId(0, 3)), Qt::ShiftModifier);
  ASSERT_EQ(tree.clicks.size(), 2u);
  EXPECT_EQ(tree.clicks[1].id, tree.drawingId(0, 3));
  EXPECT_EQ(tree.clicks[1].part, HcHitPart::kIcon);
  EXPECT_EQ(tree.clicks[1].modifiers, unsigned(kHcShift));
  EXPECT_EQ(viewSelection(), controllerSelection());
  EXPECT_EQ(viewSelection().size(), 3u);
}

TEST_F(TreeView, APressBesideTheLabelOrBelowTheRowsIsOnNoPart) {
  click(besidePoint(tree.drawingId(1, 0)), Qt::ControlModifier | Qt::ShiftModifier);
  click({40, view->viewport()->height() - 4});
  ASSERT_EQ(tree.clicks.size(), 2u);
  EXPECT_EQ(tree.clicks[0].id, tree.drawingId(1, 0));
  EXPECT_EQ(tree.clicks[0].part, HcHitPart::kNone);
  EXPECT_EQ(tree.clicks[0].modifiers, unsigned(kHcCtrl | kHcShift));
  EXPECT_EQ(tree.clicks[1].id, 0u) << "expected empty space as node 0";
  EXPECT_EQ(tree.clicks[1].part, HcHitPart::kNone);
}

TEST_F(TreeView, TheExpandArrowAsksTheControllerAndShowsWhatItDecided) {
  const HcNodeId plant = tree.projectId(0);
  ASSERT_TRUE(view->isExpanded(at(plant)));
  click(arrowPoint(plant));
  ASSERT_EQ(tree.clicks.size(), 1u);
  EXPECT_EQ(tree.clicks[0].id, plant);
  EXPECT_EQ(tree.clicks[0].part, HcHitPart::kButton);
  EXPECT_EQ(tree.expansions, (std::vector<std::pair<HcNodeId, bool>>{{plant, false}}));
  EXPECT_FALSE(view->isExpanded(at(plant)));
  click(arrowPoint(plant));
  EXPECT_TRUE(view->isExpanded(at(plant)));
  EXPECT_EQ(tree.expansions.size(), 2u);
}

TEST_F(TreeView, ExpansionChangedByTheControllerIsShown) {
  tree.setExpanded(tree.projectId(1), false);
  EXPECT_FALSE(view->isExpanded(at(tree.projectId(1))));
  EXPECT_EQ(tree.expansions.size(), 1u) << "expected the view not to echo the controller's own change";
}

TEST_F(TreeView, ShiftDownReachesTheControllersKeyAndTheViewShowsTheRange) {
  click(labelPoint(tree.drawingId(0, 0)));
  QTest::keyClick(view.get(), Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(view.get(), Qt::Key_Down, Qt::ShiftModifier);
  ASSERT_EQ(tree.keys.size(), 2u);
  EXPECT_EQ(tree.keys[0], std::make_pair(HcKey::kDown, unsigned(kHcShift)));
  const std::vector<HcNodeId> expected{tree.drawingId(0, 0), tree.drawingId(0, 1), tree.drawingId(0, 2)};
  EXPECT_EQ(viewSelection(), expected);
  EXPECT_EQ(view->currentIndex(), at(tree.drawingId(0, 2)));
}

TEST_F(TreeView, KeysTheTreeDoesNotHandleLeaveTheSelectionAlone) {
  click(labelPoint(tree.drawingId(0, 1)));
  QTest::keyClick(view.get(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(view.get(), Qt::Key_B);
  EXPECT_TRUE(tree.keys.empty());
  const std::vector<HcNodeId> expected{tree.drawingId(0, 1)};
  EXPECT_EQ(viewSelection(), expected) << "expected Qt not to select all or search by itself";
  EXPECT_EQ(view->currentIndex(), at(tree.drawingId(0, 1)));
}

TEST_F(TreeView, TheControllersSelectionCaretAndBoldFlagsAreShown) {
  tree.select({tree.drawingId(1, 0), tree.drawingId(1, 1)}, tree.drawingId(1, 1));
  const std::vector<HcNodeId> expected{tree.drawingId(1, 0), tree.drawingId(1, 1)};
  EXPECT_EQ(viewSelection(), expected);
  EXPECT_EQ(view->currentIndex(), at(tree.drawingId(1, 1)));
  tree.select({tree.projectId(0)}, tree.projectId(0));
  EXPECT_EQ(viewSelection(), std::vector<HcNodeId>{tree.projectId(0)});
  EXPECT_EQ(view->currentIndex(), at(tree.projectId(0)));

  tree.setBold(tree.drawingId(0, 3), true);
  EXPECT_TRUE(at(tree.drawingId(0, 3)).data(Qt::FontRole).value<QFont>().bold());
  EXPECT_FALSE(at(tree.drawingId(0, 2)).data(Qt::FontRole).value<QFont>().bold());
}

TEST_F(TreeView, RebuiltDrawingsKeepTheirExpansionAndShowTheSelectionByTheNewNodes) {
  tree.select({tree.drawingId(0, 1), tree.drawingId(0, 2)}, tree.drawingId(0, 2));
  tree.rebuildDrawings(0, {L"A01.dwg", L"A02.dwg", L"A03.dwg", L"A04.dwg", L"A05.dwg"});
  EXPECT_TRUE(view->isExpanded(at(tree.projectId(0))));
  EXPECT_TRUE(tree.expansions.empty()) << "expected no expansion sent back while rows were replaced";
  const std::vector<HcNodeId> expected{tree.drawingId(0, 1), tree.drawingId(0, 2)};
  EXPECT_EQ(viewSelection(), expected);
  EXPECT_EQ(view->currentIndex(), at(tree.drawingId(0, 2)));
  tree.moveToTop(1);
  EXPECT_EQ(viewSelection(), expected);
  EXPECT_TRUE(view->isExpanded(at(tree.projectId(1))));
}

TEST_F(TreeView, F2OpensAnEditorWithTheFileNameAndCommittingHandsTheTextOver) {
  const HcNodeId drawing = tree.drawingId(0, 1);
  click(labelPoint(drawing));
  QTest::keyClick(view.get(), Qt::Key_F2);
  EXPECT_EQ(tree.keys.back().first, HcKey::kF2) << "F2 is the controller's";
  QLineEdit* editor = openEditor();
  ASSERT_NE(editor, nullptr) << "expected the controller's edit request to open an editor";
  EXPECT_EQ(editor->text(), QStringLiteral("A02.dwg")) << "expected the file name, not the node text";
  editor->clear();
  QTest::keyClicks(editor, QStringLiteral("C02.dwg"));
  QTest::keyClick(editor, Qt::Key_Return);
  // The editor hands its text over once the key's event has been handled.
  ASSERT_TRUE(waitUntil([&] { return !tree.endEdits.empty(); })) << "expected Return to commit the edit";
  ASSERT_EQ(tree.endEdits.size(), 1u);
  EXPECT_EQ(tree.endEdits[0].id, drawing);
  EXPECT_EQ(tree.endEdits[0].text, std::optional<std::wstring>(L"C02.dwg"));
  ASSERT_TRUE(waitUntil([&] { return openEditor() == nullptr; }));
  EXPECT_EQ(at(tree.drawingId(0, 1)).data().toString(), QStringLiteral("C02.dwg - Motors"));

  // The rename rebuilt the rows under the editor; the next edit opens as the first did.
  EXPECT_TRUE(view->hasFocus()) << "expected the focus back in the tree";
  QTest::keyClick(view.get(), Qt::Key_F2);
  editor = openEditor();
  ASSERT_NE(editor, nullptr) << "expected a second edit to open after the rows were rebuilt";
  EXPECT_EQ(editor->text(), QStringLiteral("C02.dwg"));
}

TEST_F(TreeView, EscapeInTheEditorEndsTheEditWithoutText) {
  const HcNodeId drawing = tree.drawingId(1, 1);
  click(labelPoint(drawing));
  QTest::keyClick(view.get(), Qt::Key_F2);
  QLineEdit* editor = openEditor();
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, QStringLiteral("zz"));
  QTest::keyClick(editor, Qt::Key_Escape);
  ASSERT_EQ(tree.endEdits.size(), 1u);
  EXPECT_EQ(tree.endEdits[0].id, drawing);
  EXPECT_EQ(tree.endEdits[0].text, std::nullopt);
  EXPECT_EQ(tree.keys.size(), 1u) << "expected Escape to stay with the editor";
  EXPECT_EQ(openEditor(), nullptr);
  EXPECT_EQ(at(drawing).data().toString(), QStringLiteral("B02.dwg"));
}

TEST_F(TreeView, DoubleAndRightClicksReachTheControllerWithTheirNode) {
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, labelPoint(tree.drawingId(1, 1)));
  EXPECT_EQ(tree.doubleClicks, std::vector<HcNodeId>{tree.drawingId(1, 1)});
  EXPECT_TRUE(view->isExpanded(at(tree.projectId(1))));
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, labelPoint(tree.projectId(1)));
  EXPECT_TRUE(view->isExpanded(at(tree.projectId(1)))) << "expected expansion left to the controller";

  QTest::mouseClick(view->viewport(), Qt::RightButton, Qt::NoModifier, labelPoint(tree.drawingId(0, 3)));
  QTest::mouseClick(view->viewport(), Qt::RightButton, Qt::NoModifier, {40, view->viewport()->height() - 4});
  const std::vector<HcNodeId> expected{tree.drawingId(0, 3), 0};
  EXPECT_EQ(tree.rightClicks, expected);
  EXPECT_TRUE(tree.clicks.empty()) << "expected the right button not to click";
}

TEST_F(TreeView, TheMenuKeyAsksForTheCaretsContextMenu) {
  tree.select({tree.drawingId(1, 0)}, tree.drawingId(1, 0));
  const QPoint point = rectOf(tree.drawingId(1, 0)).center();
  QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, point, view->viewport()->mapToGlobal(point));
  QApplication::sendEvent(view.get(), &menuKey);
  EXPECT_EQ(tree.rightClicks, std::vector<HcNodeId>{tree.drawingId(1, 0)});
}

TEST_F(TreeView, RowsAreTwoPixelsTallerThanQtsDefault) {
  QTreeView plain;
  plain.setModel(view->model());
  plain.setIconSize(view->iconSize());
  plain.setHeaderHidden(true);
  plain.resize(view->size());
  plain.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&plain));
  const QModelIndex project = at(tree.projectId(1));
  ASSERT_GT(plain.visualRect(project).height(), 0);
  EXPECT_EQ(view->visualRect(project).height(), plain.visualRect(project).height() + 2);
}

TEST_F(TreeView, TheBackgroundIsTheWindowColour) {
  const QColor window = view->palette().color(QPalette::Window);
  ASSERT_NE(window, view->palette().color(QPalette::Base)) << "expected a style whose two colours differ";
  const QImage image = view->viewport()->grab().toImage();
  EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() - 3), window);
}

TEST_F(TreeView, IsTheControllersViewPortWhileItLives) {
  EXPECT_EQ(tree.viewPort(), view.get());
  EXPECT_EQ(tree.listener(), view->treeModel());
  view.reset();
  EXPECT_EQ(tree.viewPort(), nullptr);
  EXPECT_EQ(tree.listener(), nullptr);
}

class LongTreeView : public TreeView {
 protected:
  LongTreeView() {
    std::vector<std::wstring> names;
    for (int i = 0; i < 60; ++i) names.push_back(L"L" + std::to_wstring(100 + i) + L".dwg");
    tree.openProject(L"Long", names);
  }
};

TEST_F(LongTreeView, ScrollsWhereTheControllerAsksAndAnswersItsFirstRowAndPageSize) {
  EXPECT_EQ(tree.viewPort()->firstVisibleNode(), tree.projectId(0));
  const int rowHeight = rectOf(tree.projectId(0)).height();
  EXPECT_EQ(tree.viewPort()->pageSize(), view->viewport()->height() / rowHeight);

  tree.viewPort()->scrollToTop(tree.drawingId(2, 30));
  EXPECT_EQ(tree.viewPort()->firstVisibleNode(), tree.drawingId(2, 30));
  tree.viewPort()->ensureVisible(tree.drawingId(0, 2));
  EXPECT_TRUE(view->viewport()->rect().contains(rectOf(tree.drawingId(0, 2)))) << "expected the row in full sight";
  tree.viewPort()->scrollToTop(tree.drawingId(2, 10));
  EXPECT_EQ(tree.viewPort()->firstVisibleNode(), tree.drawingId(2, 10));
}

TEST_F(LongTreeView, ADrawingOfACollapsedProjectIsNotUncoveredByScrolling) {
  tree.setExpanded(tree.projectId(2), false);
  tree.expansions.clear();
  tree.viewPort()->scrollToTop(tree.drawingId(2, 40));
  EXPECT_FALSE(view->isExpanded(at(tree.projectId(2))));
  EXPECT_TRUE(tree.expansions.empty());
}

TEST_F(LongTreeView, TheCaretMovedByAKeyStaysInSight) {
  tree.select({tree.drawingId(2, 0)}, tree.drawingId(2, 0));
  tree.viewPort()->scrollToTop(tree.drawingId(2, 0));
  for (int i = 0; i < tree.viewPort()->pageSize() + 3; ++i) QTest::keyClick(view.get(), Qt::Key_Down);
  EXPECT_EQ(view->currentIndex(), at(tree.caret()));
  EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
}

// Exposes the selection command that Qt's own handlers apply.
class ProbeView : public ProjectTreeView {
 public:
  using ProjectTreeView::ProjectTreeView;
  using ProjectTreeView::selectionCommand;
};

TEST(TreeViewSelectionCommand, QtsOwnHandlersNeverChangeTheSelection) {
  FakeTreeController tree;
  tree.openProject(L"Plant", {L"A01.dwg"});
  ProbeView view(tree);
  const QModelIndex drawing = view.model()->index(0, 0, view.model()->index(0, 0));
  const QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                          Qt::ControlModifier);
  const QKeyEvent key(QEvent::KeyPress, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(view.selectionCommand(drawing, &press), QItemSelectionModel::NoUpdate);
  EXPECT_EQ(view.selectionCommand(drawing, &key), QItemSelectionModel::NoUpdate);
  EXPECT_EQ(view.selectionCommand(drawing, nullptr), QItemSelectionModel::NoUpdate);
}

}  // namespace
}  // namespace vox::studio::test
