// The palette's project tab in the studio with the real module: the combo box's face showing a
// colleague's lock, the display configuration dialog driven through its Qt buttons, and the
// split between the tree and the details kept across a restart of the studio.

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "PaletteDock.h"
#include "ModalAnswerer.h"
#include "ProjectTreeDelegate.h"
#include "ProjectTreeItemModel.h"
#include "ProjectTreeView.h"
#include "QtUiHost.h"
#include "StudioFixture.h"
#include "locking/LockIdentity.h"
#include "locking/VoxPrmVirtualFileLocker.h"
#include "platform/os/NarrowCodec.h"
#include "support/TempDir.h"

namespace vox::studio::test {
namespace {

// The module's form of a native path: separators as backslashes.
std::wstring modulePath(const std::string& native) {
  std::wstring path(native.begin(), native.end());
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

// Whether the left `width` pixels of `image` hold the lock mark's red.
bool holdsRed(const QImage& image, int width) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < std::min(width, image.width()); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 120 && c.blue() < 120) return true;
    }
  return false;
}

class PaletteStudio : public StudioFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(startStudio());
    ASSERT_NO_FATAL_FAILURE(showPalette());
  }
  void showPalette() {
    ASSERT_NO_FATAL_FAILURE(openSampleProject());
    typeLine(QStringLiteral("Voxnav"));
    ASSERT_TRUE(waitUntil([&] { return dock() != nullptr && dock()->treeView() != nullptr && dock()->treeView()->isVisible(); }))
        << "expected the palette with its tree; history:\n" << history().toStdString();
  }
  PaletteDock* dock() { return studio().ui().paletteDock(); }
  template <typename T>
  T* child(const char* name) {
    T* found = dock()->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no " << name << " in the palette";
    return found;
  }
  QString firstDrawingText() {
    const QAbstractItemModel* model = dock()->treeView()->model();
    return model->index(0, 0, model->index(0, 0)).data().toString();
  }
};

TEST_F(PaletteStudio, TheClosedComboShowsARedSquareWhileAColleagueHoldsTheProject) {
  auto* combo = child<QComboBox>("projectCombo");
  ASSERT_NE(combo, nullptr);
  EXPECT_FALSE(holdsRed(combo->grab().toImage(), 40)) << "nobody holds the project yet";
  VoxPrmVirtualFileLocker ann{[] { return locking::identityText({L"ann", L"PC7", L"Ann Lee"}, L"Monday", L"10:00"); }};
  const std::wstring project = modulePath(sample("DEMO.wdp"));
  ASSERT_TRUE(ann.lockFile(project.c_str()));
  EXPECT_TRUE(waitUntil([&] { return holdsRed(combo->grab().toImage(), 40); }))
      << "expected the lock mark's red square on the combo box's face once the lock file appeared; tooltip "
      << combo->toolTip().toStdString();
  EXPECT_TRUE(combo->toolTip().contains(QStringLiteral("ann"))) << combo->toolTip().toStdString();
  ASSERT_TRUE(ann.unlockFile(project.c_str()));
  EXPECT_TRUE(waitUntil([&] { return !holdsRed(combo->grab().toImage(), 40); })) << "expected the mark gone after the release";
}

TEST_F(PaletteStudio, TheDisplayConfigurationDialogsButtonsDriveItsController) {
  ModalAnswerer answerer;
  int orderBefore = -1, orderAfter = -1;
  bool addEnabledWithoutSelection = true;
  answerer.then([&](QWidget* modal) {
    auto* available = modal->findChild<QListWidget*>(QStringLiteral("available"));
    auto* order = modal->findChild<QListWidget*>(QStringLiteral("order"));
    auto* add = modal->findChild<QPushButton*>(QStringLiteral("add"));
    auto* ok = modal->findChild<QPushButton*>(QStringLiteral("ok"));
    ASSERT_TRUE(available && order && add && ok) << "expected the lists and the add and OK buttons";
    orderBefore = order->count();
    addEnabledWithoutSelection = add->isEnabled();
    const QList<QListWidgetItem*> found = available->findItems(QStringLiteral("Description 1"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << "expected Description 1 among the fields to add";
    available->setCurrentItem(found.front());
    QTest::mouseClick(add, Qt::LeftButton);
    orderAfter = order->count();
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  auto* configure = child<QToolButton>("display-config");
  ASSERT_NE(configure, nullptr);
  QTest::mouseClick(configure, Qt::LeftButton);
  ASSERT_TRUE(waitUntil([&] { return answerer.done() && QApplication::activeModalWidget() == nullptr; }))
      << "expected the dialog answered and closed";
  EXPECT_FALSE(addEnabledWithoutSelection) << "nothing chosen to add";
  EXPECT_EQ(orderAfter, orderBefore + 1) << "Add moved the field into the display order";
  EXPECT_TRUE(waitUntil([&] { return firstDrawingText().contains(QStringLiteral("Incoming supply")); }))
      << "expected the tree rebuilt with the first description, got " << firstDrawingText().toStdString();
  EXPECT_EQ(answerer.stuck(), 0);
}

TEST_F(PaletteStudio, TheSplitAndThePageShownBelowTheTreeSurviveARestart) {
  auto* split = child<QSplitter>("projectSplit");
  ASSERT_NE(split, nullptr);
  const int whole = split->sizes()[0] + split->sizes()[1];
  QSplitterHandle* handle = split->handle(1);
  const QPoint grip = handle->rect().center();
  const int before = split->sizes()[0];
  QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grip);
  QTest::mouseMove(handle, grip - QPoint(0, whole / 5));
  QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grip - QPoint(0, whole / 5));
  ASSERT_TRUE(waitUntil([&] { return split->sizes()[0] < before - whole / 10; }))
      << "expected the drag to make the tree smaller than " << before << ", got " << split->sizes()[0];
  const double ratio = static_cast<double>(split->sizes()[0]) / whole;
  auto* previewButton = child<QAbstractButton>("PREVIEW_BTN");
  ASSERT_NE(previewButton, nullptr);
  QTest::mouseClick(previewButton, Qt::LeftButton);

  ASSERT_NO_FATAL_FAILURE(restartStudio());
  ASSERT_NO_FATAL_FAILURE(showPalette());
  auto* again = child<QSplitter>("projectSplit");
  ASSERT_NE(again, nullptr);
  ASSERT_TRUE(waitUntil([&] { return again->sizes()[0] + again->sizes()[1] > 0; }));
  const double restored = static_cast<double>(again->sizes()[0]) / (again->sizes()[0] + again->sizes()[1]);
  EXPECT_NEAR(restored, ratio, 0.05) << "the tree's share of the split after the restart";
  auto* preview = child<QWidget>("preview");
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->isVisible()) << "the preview page was the one shown when the studio closed";
}

TEST_F(PaletteStudio, TheFilterBoxNarrowsTheDrawingsAndSaysHowManyItHides) {
  auto* box = child<QLineEdit>("treeFilter");
  auto* hidden = child<QLabel>("hiddenCount");
  ASSERT_TRUE(box && hidden);
  const QAbstractItemModel* model = dock()->treeView()->model();
  const QModelIndex project = model->index(0, 0);
  ASSERT_EQ(model->rowCount(project), 5);
  EXPECT_FALSE(hidden->isVisible());
  box->setFocus();
  QTest::keyClicks(box, QStringLiteral("ref"));
  EXPECT_EQ(model->rowCount(project), 1) << "only DEMOREF.dwg holds \"ref\"";
  EXPECT_TRUE(dock()->treeView()->isExpanded(project)) << "a project with matches is opened";
  EXPECT_TRUE(hidden->isVisible());
  EXPECT_TRUE(hidden->text().startsWith(QStringLiteral("4"))) << hidden->text().toStdString();
  box->clear();
  EXPECT_EQ(model->rowCount(project), 5);
  EXPECT_FALSE(hidden->isVisible());
}

TEST_F(PaletteStudio, AColleaguesLockOnADrawingShowsOnItsNode) {
  const QAbstractItemModel* model = dock()->treeView()->model();
  dock()->treeView()->expand(model->index(0, 0));
  const auto mark = [&] { return model->index(1, 0, model->index(0, 0)).data(ProjectTreeItemModel::kLockMarkRole).toInt(); };
  EXPECT_EQ(mark(), static_cast<int>(HcLockMark::kNone));
  vox::test::writeNative(sample("DEMO002.dwl"), vox::os::narrowCodec().encode(L"ann\nPC9 Ann Smith\nMonday  10:00"));
  EXPECT_TRUE(waitUntil([&] { return mark() == static_cast<int>(HcLockMark::kRed); }))
      << "expected the red mark on DEMO002.dwg at the next check of the shown nodes";
  const QString tip = model->index(1, 0, model->index(0, 0)).data(Qt::ToolTipRole).toString();
  EXPECT_TRUE(tip.contains(QStringLiteral("ann"))) << tip.toStdString();
}

TEST_F(PaletteStudio, ANodeCutShortToFitIsKnownForItsTooltip) {
  ProjectTreeView* view = dock()->treeView();
  auto* delegate = dynamic_cast<ProjectTreeDelegate*>(view->itemDelegate());
  ASSERT_NE(delegate, nullptr);
  view->expand(view->model()->index(0, 0));
  const QModelIndex first = view->model()->index(0, 0, view->model()->index(0, 0));
  QStyleOptionViewItem option;
  option.initFrom(view);
  option.widget = view;
  option.rect = view->visualRect(first);
  EXPECT_FALSE(delegate->textShortened(option, first)) << "DEMO001.dwg fits the palette";
  option.rect.setWidth(40);
  EXPECT_TRUE(delegate->textShortened(option, first)) << "in 40 pixels it is cut short";
}

}  // namespace
}  // namespace vox::studio::test
