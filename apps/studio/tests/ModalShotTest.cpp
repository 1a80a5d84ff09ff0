// The picture of the first modal dialog or pop-up menu: saved at the window's size and closed as
// Cancel, a window that is not modal passed over, later dialogs left alone, and a picture that
// cannot be written still closing the dialog so that the run goes on.

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "ModalShot.h"
#include "StudioFixture.h"

namespace vox::studio::test {
namespace {

class LabelDialog : public QDialog {
 public:
  explicit LabelDialog(const QString& text) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text, this));
    resize(320, 180);
  }
};

TEST(ModalShot, TheFirstModalDialogIsSavedAtItsSizeAndRejectedLaterOnesAreLeftAlone) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("dialog.png"));
  ModalShot shot(path);

  LabelDialog modeless(QStringLiteral("not modal"));
  modeless.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&modeless)) << "expected the modeless dialog shown";
  QCoreApplication::processEvents();
  EXPECT_FALSE(shot.taken()) << "expected a dialog that is not modal to be passed over";

  LabelDialog first(QStringLiteral("first"));
  EXPECT_EQ(first.exec(), QDialog::Rejected) << "expected the modal dialog closed as Cancel";
  EXPECT_TRUE(shot.taken());
  EXPECT_TRUE(shot.saved()) << "expected the picture saved to " << path.toStdString();
  const QImage picture(path);
  EXPECT_EQ(picture.size(), first.size()) << "expected the picture at the dialog's size";

  // A second dialog stays open until its user accepts it, and is not saved.
  ASSERT_TRUE(QFile::remove(path));
  LabelDialog second(QStringLiteral("second"));
  QTimer::singleShot(0, &second, [&second] {
    waitUntil([&second] { return second.isVisible(); });
    QCoreApplication::processEvents();
    second.accept();
  });
  EXPECT_EQ(second.exec(), QDialog::Accepted) << "expected the second dialog left to its user";
  EXPECT_FALSE(QFile::exists(path)) << "expected no picture of the second dialog";
}

TEST(ModalShot, APopupMenuIsSavedAndClosedWithoutAChoice) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("menu.png"));
  ModalShot shot(path);
  QMenu menu;
  menu.addAction(QStringLiteral("Open drawing"));
  menu.addSeparator();
  menu.addAction(QStringLiteral("Remove drawing"));

  const QAction* chosen = menu.exec(QPoint(40, 40));
  EXPECT_EQ(chosen, nullptr) << "expected the menu closed without a choice, got " << chosen->text().toStdString();
  EXPECT_TRUE(shot.saved()) << "expected the picture saved to " << path.toStdString();
  EXPECT_EQ(QImage(path).size(), menu.size()) << "expected the picture at the menu's size";
}

TEST(ModalShot, APictureThatCannotBeWrittenStillClosesTheDialog) {
  QTemporaryDir folder;
  ModalShot shot(folder.filePath(QStringLiteral("no-such-folder/dialog.png")));
  LabelDialog dialog(QStringLiteral("unsaved"));
  EXPECT_EQ(dialog.exec(), QDialog::Rejected) << "expected the dialog closed although its picture was not saved";
  EXPECT_TRUE(shot.taken());
  EXPECT_FALSE(shot.saved()) << "expected the failed save reported";
}

}  // namespace
}  // namespace vox::studio::test
