// The project properties sheet in the studio, with the real module: its pages as the six tabs
// of a QTabWidget with framed groups, a page that refuses to be left keeping its tab, and OK
// writing through the controller into the project file.

#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "CommandLineDock.h"
#include "FormDialog.h"
#include "ModalAnswerer.h"
#include "StudioFixture.h"
#include "support/TempDir.h"

namespace vox::studio::test {
namespace {

// Replaces what a line edit holds by typing, as a user would.
void retype(QLineEdit* line, const QString& text) {
  line->setFocus();
  line->selectAll();
  QTest::keyClicks(line, text);
}

class ProjectSheetStudio : public StudioFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(startStudio());
    ASSERT_NO_FATAL_FAILURE(openSampleProject());
  }
  std::string projectFile() const { return vox::test::readNative(sample("DEMO.wdp")); }
};

TEST_F(ProjectSheetStudio, ARefusedTabKeepsThePageAndOkWritesTheProjectFile) {
  ModalAnswerer answerer;
  QStringList tabs;
  int groups = 0;
  QPointer<QDialog> sheet;
  QPointer<QTabWidget> tabWidget;
  QString message, resetTo;
  int stayedOn = -1;
  const auto tagFormat = [&] { return sheet->findChild<QLineEdit*>(QStringLiteral("tag-format")); };

  answerer.then([&](QWidget* modal) {
    sheet = qobject_cast<QDialog*>(modal);
    tabWidget = modal->findChild<QTabWidget*>();
    ASSERT_NE(tabWidget, nullptr) << "expected the sheet's pages as tabs";
    for (int i = 0; i < tabWidget->count(); ++i) tabs << tabWidget->tabText(i);
    tabWidget->setCurrentIndex(1);
    groups = static_cast<int>(tabWidget->currentWidget()->findChildren<QGroupBox*>(QStringLiteral("group-tag-format")).size());
    ASSERT_NE(tagFormat(), nullptr) << "expected the Components page's tag format field";
    retype(tagFormat(), QStringLiteral("%F"));
    // Switching now would block this answer on the sheet's message; it switches once this returns.
    QTimer::singleShot(0, modal, [&] { tabWidget->setCurrentIndex(2); });
  });
  answerer.then([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr) << "expected the page's message";
    message = box->text();
    stayedOn = tabWidget->currentIndex();
    resetTo = tagFormat()->text();
    QTimer::singleShot(0, sheet, [&] {
      retype(tagFormat(), QStringLiteral("%F-%N"));
      sheet->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    });
    box->button(QMessageBox::Ok)->click();
  });
  typeLine(QStringLiteral("VoxProjectProps"));
  ASSERT_TRUE(waitUntil([&] { return projectFile().find("?[5]%F-%N\r\n") != std::string::npos; }))
      << "expected the new tag format in the project file; unexpected dialogs: "
      << answerer.unexpected().join(u'|').toStdString() << "\n" << projectFile();
  EXPECT_EQ(tabs, (QStringList{QStringLiteral("Project Settings"), QStringLiteral("Components"),
                               QStringLiteral("Wire Numbers"), QStringLiteral("Cross-References"),
                               QStringLiteral("Styles"), QStringLiteral("Drawing Format")}));
  EXPECT_EQ(groups, 1) << "expected the tag format fields framed together";
  EXPECT_EQ(stayedOn, 1) << "expected the refused switch to keep the Components tab";
  EXPECT_EQ(resetTo, QStringLiteral("%F%N")) << "expected the tag format put back";
  EXPECT_TRUE(message.contains(QStringLiteral("%N"))) << message.toStdString();
  EXPECT_EQ(answerer.stuck(), 0) << answerer.unexpected().join(u'|').toStdString();
}

}  // namespace
}  // namespace vox::studio::test
