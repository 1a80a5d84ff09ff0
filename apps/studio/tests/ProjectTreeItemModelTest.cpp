// The project tree's item model over an in-memory controller: Qt's model checker on every
// structural change the controller reports, and the roles read from the controller. (Its
// other signals are exercised through the view's tests.)

#include <QAbstractItemModelTester>
#include <QFont>
#include <QIcon>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "FakeTreeController.h"
#include "ProjectTreeItemModel.h"

namespace vox::studio::test {
namespace {

QString textAt(const QAbstractItemModel& model, int row, int child = -1) {
  QModelIndex index = model.index(row, 0);
  if (child >= 0) index = model.index(child, 0, index);
  return index.data().toString();
}

class TreeModel : public ::testing::Test {
 protected:
  TreeModel() {
    tree.openProject(L"Plant", {L"A01.dwg", L"A02.dwg", L"A03.dwg"});
    tree.openProject(L"Other", {L"B01.dwg"});
  }

  FakeTreeController tree;
  ProjectTreeItemModel model{tree};
  // Checks the model's invariants and signal pairing on every change for the test's lifetime;
  // a fault aborts the test program.
  QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(TreeModel, ShowsProjectsAtTheRootAndTheirDrawingsBelow) {
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(textAt(model, 0), QStringLiteral("Plant"));
  EXPECT_EQ(textAt(model, 1), QStringLiteral("Other"));
  const QModelIndex plant = model.index(0, 0);
  ASSERT_EQ(model.rowCount(plant), 3);
  EXPECT_EQ(textAt(model, 0, 2), QStringLiteral("A03.dwg"));
  const QModelIndex drawing = model.index(1, 0, plant);
  EXPECT_EQ(ProjectTreeItemModel::idOf(drawing), tree.drawingId(0, 1));
  EXPECT_EQ(model.parent(drawing), plant);
  EXPECT_FALSE(model.parent(plant).isValid());
  EXPECT_EQ(model.rowCount(drawing), 0);
  EXPECT_EQ(model.indexOf(tree.drawingId(1, 0)), model.index(0, 0, model.index(1, 0)));
}

TEST_F(TreeModel, FollowsProjectsOpenedAndClosedWithRowSignals) {
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
  tree.openProject(L"Middle", {L"M01.dwg", L"M02.dwg"}, 1);
  ASSERT_EQ(inserted.count(), 1);
  EXPECT_EQ(inserted.at(0).at(1).toInt(), 1);
  ASSERT_EQ(model.rowCount(), 3);
  EXPECT_EQ(textAt(model, 1), QStringLiteral("Middle"));
  EXPECT_EQ(textAt(model, 1, 1), QStringLiteral("M02.dwg"));
  EXPECT_EQ(textAt(model, 2), QStringLiteral("Other"));

  tree.closeProject(0);
  ASSERT_EQ(removed.count(), 1);
  EXPECT_EQ(removed.at(0).at(1).toInt(), 0);
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(textAt(model, 0), QStringLiteral("Middle"));
  tree.closeProject(1);
  tree.closeProject(0);
  EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(TreeModel, RebuiltDrawingsAreRemovedWholeThenInsertedWhole) {
  QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  const QPersistentModelIndex plant = model.index(0, 0);
  tree.rebuildDrawings(0, {L"A01.dwg", L"A02.dwg", L"A03.dwg", L"A04.dwg"});
  ASSERT_EQ(removed.count(), 1);
  EXPECT_EQ(removed.at(0).at(0).value<QModelIndex>(), QModelIndex(plant));
  EXPECT_EQ(removed.at(0).at(2).toInt(), 2);
  ASSERT_EQ(inserted.count(), 1);
  EXPECT_EQ(inserted.at(0).at(2).toInt(), 3);
  EXPECT_EQ(model.rowCount(plant), 4);
  EXPECT_EQ(textAt(model, 0, 3), QStringLiteral("A04.dwg"));
  EXPECT_EQ(ProjectTreeItemModel::idOf(model.index(0, 0, plant)), tree.drawingId(0, 0));
}

TEST_F(TreeModel, AnEmptySetOfDrawingsGivesNoRowSignals) {
  tree.rebuildDrawings(1, {});
  QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  tree.rebuildDrawings(1, {});
  EXPECT_EQ(removed.count(), 0);
  EXPECT_EQ(inserted.count(), 0);
  tree.rebuildDrawings(1, {L"B07.dwg"});
  EXPECT_EQ(removed.count(), 0);
  EXPECT_EQ(inserted.count(), 1);
  EXPECT_EQ(textAt(model, 1, 0), QStringLiteral("B07.dwg"));
  EXPECT_FALSE(model.changingStructure());
}

TEST_F(TreeModel, ReorderedRootsMovePersistentIndexesWithTheirNodes) {
  const QPersistentModelIndex plant = model.index(0, 0);
  const QPersistentModelIndex other = model.index(1, 0);
  const QPersistentModelIndex otherDrawing = model.index(0, 0, model.index(1, 0));
  QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
  tree.moveToTop(1);
  EXPECT_EQ(layout.count(), 1);
  EXPECT_EQ(textAt(model, 0), QStringLiteral("Other"));
  EXPECT_EQ(other.row(), 0);
  EXPECT_EQ(plant.row(), 1);
  EXPECT_EQ(plant.data().toString(), QStringLiteral("Plant"));
  EXPECT_EQ(otherDrawing.parent(), QModelIndex(other));
  EXPECT_EQ(otherDrawing.data().toString(), QStringLiteral("B01.dwg"));
}

TEST_F(TreeModel, RolesComeFromTheController) {
  const QModelIndex plant = model.index(0, 0);
  const QModelIndex drawing = model.index(1, 0, plant);
  tree.setDescription(tree.drawingId(0, 1), L"Motors");
  EXPECT_EQ(drawing.data(Qt::DisplayRole).toString(), QStringLiteral("A02.dwg - Motors"));
  EXPECT_EQ(drawing.data(Qt::EditRole).toString(), QStringLiteral("A02.dwg")) << "an edit starts from the file name";
  EXPECT_TRUE(model.flags(drawing).testFlag(Qt::ItemIsEditable));
  EXPECT_FALSE(model.flags(plant).testFlag(Qt::ItemIsEditable)) << "a node without edit text is not editable";
  EXPECT_FALSE(plant.data(Qt::ToolTipRole).isValid());

  EXPECT_FALSE(drawing.data(Qt::FontRole).isValid());
  tree.setBold(tree.drawingId(0, 1), true);
  EXPECT_TRUE(drawing.data(Qt::FontRole).value<QFont>().bold());
}

TEST_F(TreeModel, IconsByTheControllersIndexAreDrawn16By16) {
  const QModelIndex plant = model.index(0, 0);
  const QIcon project = plant.data(Qt::DecorationRole).value<QIcon>();
  const QIcon drawing = model.index(0, 0, plant).data(Qt::DecorationRole).value<QIcon>();
  ASSERT_FALSE(project.isNull()) << "expected the project icon from the resources";
  ASSERT_FALSE(drawing.isNull());
  const QImage projectImage = project.pixmap(16, 16).toImage();
  const QImage drawingImage = drawing.pixmap(16, 16).toImage();
  EXPECT_EQ(projectImage.size(), QSize(16, 16));
  EXPECT_NE(projectImage, drawingImage) << "expected different pictures for a project and a drawing";
  EXPECT_NE(projectImage.pixelColor(8, 8).alpha(), 0) << "expected the icon drawn, not blank";
}

}  // namespace
}  // namespace vox::studio::test
