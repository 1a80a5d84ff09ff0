// The drawing properties sheet in the studio, with the real module: a pick button closes the
// sheet, the user clicks a text in the drawing's 2D view, the sheet comes back with the picked
// text in its description line, and OK writes it into the drawing file and the project entry.

#include <QGraphicsSimpleTextItem>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "CommandLineDock.h"
#include "DocumentWindows.h"
#include "DrawingView.h"
#include "ModalAnswerer.h"
#include "StudioFixture.h"
#include "support/TempDir.h"

namespace vox::studio::test {
namespace {

// The view position of the centre of the text item `text`, or none.
std::optional<QPoint> textCentre(const DrawingView& view, const QString& text) {
  for (const QGraphicsItem* item : view.scene()->items()) {
    const auto* textItem = dynamic_cast<const QGraphicsSimpleTextItem*>(item);
    if (textItem != nullptr && textItem->text() == text)
      return view.mapFromScene(textItem->mapToScene(textItem->boundingRect().center()));
  }
  return std::nullopt;
}

class DrawingSheetStudio : public StudioFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(startStudio());
    ASSERT_NO_FATAL_FAILURE(openSampleProject());
  }
};

TEST_F(DrawingSheetStudio, ATextClickedInTheViewBecomesADescriptionLine) {
  ModalAnswerer answerer;
  QString pickedLine;
  bool clickedInView = false;
  answerer.then([&](QWidget* modal) {
    auto* pick = modal->findChild<QPushButton*>(QStringLiteral("pick-description-2"));
    ASSERT_NE(pick, nullptr) << "expected the pick button of description line 2";
    QTimer::singleShot(0, modal, [pick] { pick->click(); });
  });
  answerer.then([&](QWidget* modal) {
    auto* line = modal->findChild<QLineEdit*>(QStringLiteral("description-2"));
    ASSERT_NE(line, nullptr);
    pickedLine = line->text();
    QTimer::singleShot(0, modal, [modal] { modal->findChild<QPushButton*>(QStringLiteral("ok"))->click(); });
  });
  // While the sheet is away the current view waits for a click.
  QTimer clicker;
  clicker.setInterval(20);
  QObject::connect(&clicker, &QTimer::timeout, [&] {
    DrawingView* view = window().documentWindows().activeView();
    if (view == nullptr || !view->picking()) return;
    const std::optional<QPoint> at = textCentre(*view, QStringLiteral("Incoming supply"));
    if (!at) return;
    clickedInView = true;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, *at);
  });
  clicker.start();
  typeLine(QStringLiteral("VoxDrawingProps"));
  const auto entryWritten = [&] {
    return vox::test::readNative(sample("DEMO.wdp")).find("===Incoming supply\r\n===Incoming supply\r\nDEMO001.dwg") !=
           std::string::npos;
  };
  ASSERT_TRUE(waitUntil(entryWritten)) << "unexpected dialogs: " << answerer.unexpected().join(u'|').toStdString()
                                       << "\n" << vox::test::readNative(sample("DEMO.wdp"));
  EXPECT_TRUE(clickedInView);
  EXPECT_EQ(pickedLine, QStringLiteral("Incoming supply"));
  EXPECT_NE(vox::test::readNative(sample("DEMO001.dwg"))
                .find("\"name\": \"Drawing Description 2\",\n        \"value\": \"Incoming supply\""),
            std::string::npos);
  EXPECT_EQ(answerer.stuck(), 0) << answerer.unexpected().join(u'|').toStdString();
}

}  // namespace
}  // namespace vox::studio::test
