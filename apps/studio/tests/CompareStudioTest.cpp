// The settings comparison in the studio, with the real module: the grid as a table view over a
// table model that stays consistent (QAbstractItemModelTester) while show-all is toggled and a
// row is copied, the selected rows reaching the controller, the copied cells highlighted, and
// OK writing the copied value into the project file.

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QTableView>

#include "ModalAnswerer.h"
#include "StudioFixture.h"
#include "support/TempDir.h"

namespace vox::studio::test {
namespace {

class CompareStudio : public StudioFixture {
 protected:
  void SetUp() override {
    // The first drawing's wire number format differs from the project's default.
    std::string drawing = vox::test::readNative(sample("DEMO001.dwg"));
    const std::string from = "\"tag\": \"WIREFMT\",\n              \"value\": \"%N\"";
    const std::size_t at = drawing.find(from);
    ASSERT_NE(at, std::string::npos) << "the sample's settings block changed its layout";
    drawing.replace(at, from.size(), "\"tag\": \"WIREFMT\",\n              \"value\": \"%S%N\"");
    vox::test::writeNative(sample("DEMO001.dwg"), drawing);
    ASSERT_NO_FATAL_FAILURE(startStudio());
    ASSERT_NO_FATAL_FAILURE(openSampleProject());
  }
  std::string projectFile() const { return vox::test::readNative(sample("DEMO.wdp")); }
};

struct Seen {
  int differing = -1;
  int all = -1;
  int again = -1;
  QString firstKey;
  QString copied;
  QVariant copiedBackground;
  QVariant sourceBackground;
  bool copyEnabledBeforeSelection = true;
};

TEST_F(CompareStudio, TheTableFollowsShowAllAndACopyIsHighlightedAndWritten) {
  ModalAnswerer answerer;
  Seen seen;
  answerer.then([&](QWidget* modal) {
    auto* table = modal->findChild<QTableView*>(QStringLiteral("grid"));
    auto* showAll = modal->findChild<QCheckBox*>(QStringLiteral("show-all"));
    auto* copy = modal->findChild<QPushButton*>(QStringLiteral("copy-to-project"));
    auto* ok = modal->findChild<QPushButton*>(QStringLiteral("ok"));
    ASSERT_TRUE(table != nullptr && showAll != nullptr && copy != nullptr && ok != nullptr)
        << "expected the grid, the show-all box and the buttons";
    QAbstractItemModel* model = table->model();
    new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::Fatal, table);
    seen.differing = model->rowCount();
    seen.firstKey = model->index(0, 0).data().toString();
    showAll->click();
    seen.all = model->rowCount();
    showAll->click();
    seen.again = model->rowCount();
    seen.copyEnabledBeforeSelection = copy->isEnabled();
    table->selectRow(0);
    copy->click();
    seen.copied = model->index(0, 3).data().toString();
    seen.copiedBackground = model->index(0, 3).data(Qt::BackgroundRole);
    seen.sourceBackground = model->index(0, 2).data(Qt::BackgroundRole);
    ok->click();
  });
  typeLine(QStringLiteral("VoxCompareDtoP"));
  ASSERT_TRUE(waitUntil([&] { return projectFile().find("?[9]%S%N\r\n") != std::string::npos; }))
      << "expected the copied wire number format in the project file; unexpected dialogs: "
      << answerer.unexpected().join(u'|').toStdString();
  EXPECT_EQ(seen.firstKey, QStringLiteral("9"));
  EXPECT_GT(seen.differing, 0);
  EXPECT_EQ(seen.all, 77 - 6 + 6) << "every setting but the drawing-specific ones and the flag word, and six flag rows";
  EXPECT_EQ(seen.again, seen.differing);
  EXPECT_FALSE(seen.copyEnabledBeforeSelection) << "copying needs a selected row";
  EXPECT_EQ(seen.copied, QStringLiteral("%S%N"));
  EXPECT_EQ(seen.copiedBackground.value<QColor>(), QColor(205, 228, 245));
  EXPECT_FALSE(seen.sourceBackground.isValid()) << "the source cell keeps the plain background";
  EXPECT_EQ(answerer.stuck(), 0) << answerer.unexpected().join(u'|').toStdString();
}

}  // namespace
}  // namespace vox::studio::test
