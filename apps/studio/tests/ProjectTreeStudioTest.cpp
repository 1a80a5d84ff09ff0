// The project tree of the real module in the studio's palette dock: the sample project shown
// through the Qt model (checked by Qt's model checker while the module changes it), opened with
// its arrow, drawings selected with the mouse, and a picture of the palette kept as test output.

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QMdiArea>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "CommandLineDock.h"
#include "PaletteDock.h"
#include "ProjectTreeView.h"
#include "QtUiHost.h"
#include "StudioFixture.h"

namespace vox::studio::test {
namespace {

class StudioTree : public StudioFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(startStudio());
    // The module defines its LISP functions once a drawing is open.
    typeLine(QStringLiteral("OPEN \"%1\"").arg(QString::fromStdString(sample("DEMO001.dwg"))));
    ASSERT_TRUE(waitUntil([&] { return history().contains(QStringLiteral("Command: OPEN")) && !window().drawingArea()->subWindowList().isEmpty(); }));
    typeLine(QStringLiteral("(vox_openproject \"%1\" 1)").arg(QString::fromStdString(sample("DEMO.wdp"))));
    typeLine(QStringLiteral("Voxnav"));
    ASSERT_TRUE(waitUntil([&] { return view() != nullptr && view()->isVisible() && view()->model()->rowCount() == 1; }))
        << "expected the palette's tree to show the opened project; dock " << (studio().ui().paletteDock() != nullptr)
        << ", view " << (view() != nullptr) << ", rows " << (view() != nullptr ? view()->model()->rowCount() : -1)
        << "; history:\n" << history().toStdString();
  }

  ProjectTreeView* view() {
    PaletteDock* dock = studio().ui().paletteDock();
    return dock != nullptr ? dock->treeView() : nullptr;
  }
  QModelIndex project() { return view()->model()->index(0, 0); }
  QModelIndex drawing(int row) { return view()->model()->index(row, 0, project()); }
  void clickLabel(const QModelIndex& index, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QRect rect = view()->visualRect(index);
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, modifiers, QPoint(rect.left() + 36, rect.center().y()));
  }
  void expandProject() {
    if (view()->isExpanded(project())) return;
    const QRect rect = view()->visualRect(project());
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(rect.left() - view()->indentation() / 2, rect.center().y()));
  }
  QLineEdit* openEditor() {
    for (QLineEdit* editor : view()->findChildren<QLineEdit*>())
      if (editor->isVisible()) return editor;
    return nullptr;
  }
  std::vector<int> selectedDrawingRows() {
    std::vector<int> rows;
    for (const QModelIndex& index : view()->selectionModel()->selectedIndexes())
      if (index.parent().isValid()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
  }
};

TEST_F(StudioTree, TheSampleProjectOpensWithItsArrowAndItsDrawingsAreSelectedByMouse) {
  QAbstractItemModelTester tester(view()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
  EXPECT_EQ(project().data().toString(), QStringLiteral("DEMO"));
  EXPECT_TRUE(project().data(Qt::FontRole).value<QFont>().bold()) << "expected the active project bold";

  expandProject();
  ASSERT_TRUE(view()->isExpanded(project())) << "expected the arrow to open the project";
  ASSERT_GE(view()->model()->rowCount(project()), 3);
  EXPECT_TRUE(drawing(0).data().toString().startsWith(QStringLiteral("DEMO001.dwg")))
      << drawing(0).data().toString().toStdString();

  clickLabel(drawing(0));
  clickLabel(drawing(2), Qt::ShiftModifier);
  EXPECT_EQ(selectedDrawingRows(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(view()->currentIndex(), drawing(2));
  QTest::keyClick(view(), Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(selectedDrawingRows(), (std::vector<int>{0, 1}));
  EXPECT_EQ(view()->currentIndex(), drawing(1));

  // A picture of the palette for a person to look at; nothing is compared.
  const QString picture = QString::fromStdString((std::filesystem::current_path() / "studio-tree.png").string());
  EXPECT_TRUE(studio().ui().paletteDock()->grab().save(picture, "PNG"));
}

TEST_F(StudioTree, F2RenamesADrawingFromItsLabel) {
  QAbstractItemModelTester tester(view()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
  expandProject();
  ASSERT_TRUE(view()->isExpanded(project()));
  clickLabel(drawing(1));
  QTest::keyClick(view(), Qt::Key_F2);
  QLineEdit* editor = openEditor();
  ASSERT_NE(editor, nullptr) << "expected the module to ask for a label edit; history:\n" << history().toStdString();
  EXPECT_EQ(editor->text(), QStringLiteral("DEMO002.dwg"));
  editor->setText(QStringLiteral(" DEMO012 "));
  QTest::keyClick(editor, Qt::Key_Return);
  ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(sample("DEMO012.dwg")); }))
      << "expected the drawing file renamed; history:\n" << history().toStdString();
  EXPECT_FALSE(std::filesystem::exists(sample("DEMO002.dwg")));
  ASSERT_TRUE(waitUntil([&] { return drawing(1).data().toString().startsWith(QStringLiteral("DEMO012.dwg")); }))
      << "expected the tree to show the new name, got " << drawing(1).data().toString().toStdString();
  EXPECT_EQ(openEditor(), nullptr);
  EXPECT_EQ(view()->currentIndex(), drawing(1)) << "expected the renamed drawing to stay the caret";
}

TEST_F(StudioTree, TheDetailsPaneFollowsTheSelectionAndTheComboShowsTheActiveProject) {
  PaletteDock* dock = studio().ui().paletteDock();
  auto* combo = dock->findChild<QComboBox*>(QStringLiteral("projectCombo"));
  ASSERT_NE(combo, nullptr);
  EXPECT_TRUE(combo->currentText().endsWith(QStringLiteral("DEMO"))) << combo->currentText().toStdString();
  auto* details = dock->findChild<QPlainTextEdit*>(QStringLiteral("details"));
  ASSERT_NE(details, nullptr);
  expandProject();
  clickLabel(drawing(1));
  ASSERT_TRUE(waitUntil([&] { return details->toPlainText().contains(QStringLiteral("DEMO002.dwg")); }))
      << "expected the details of the clicked drawing, got: " << details->toPlainText().toStdString();
  auto* refresh = dock->findChild<QToolButton*>(QStringLiteral("refresh"));
  ASSERT_NE(refresh, nullptr);
  EXPECT_TRUE(refresh->isEnabled());
  EXPECT_FALSE(dock->findChild<QToolButton*>(QStringLiteral("task-list"))->isEnabled()) << "the sample has no tasks";
}

}  // namespace
}  // namespace vox::studio::test
