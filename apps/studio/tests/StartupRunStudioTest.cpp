// The studio's start making pictures with the real module and the sample project: a drawing's
// context menu saved and closed, then the main window with the selection kept; the display
// configuration dialog from its tool button saved and cancelled; a node that is not in the tree
// failing the run at once.

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include "PaletteDock.h"
#include "QtUiHost.h"
#include "StartupRun.h"
#include "StudioFixture.h"

namespace vox::studio::test {
namespace {

class StartupRunStudio : public StudioFixture {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(startStudio()); }

  // The sample's drawing and project opened, the palette shown, DEMO002.dwg selected.
  StudioOptions sampleOptions() const {
    StudioOptions options;
    options.openDrawing = sample("DEMO001.dwg");
    options.openProject = sample("DEMO.wdp");
    options.showPalette = true;
    options.selectDrawing = "DEMO002.dwg";
    return options;
  }
  // Runs the start to its end; the status it finished with, none when it did not finish.
  std::optional<int> runStart(const StudioOptions& options) {
    std::optional<int> status;
    StartupRun startup(studio(), window(), options, [&status](int code) { status = code; });
    startup.start();
    waitUntil([&status] { return status.has_value(); }, 90000);
    return status;
  }
  std::wstring caretText() {
    PaletteDock* dock = studio().ui().paletteDock();
    HcTreeController* tree = dock != nullptr ? dock->tree() : nullptr;
    if (tree == nullptr) return L"(no tree)";
    for (const HcNodeId project : tree->roots())
      for (const HcNodeId drawing : tree->children(project))
        if (tree->node(drawing)->caret) return tree->node(drawing)->text;
    return L"(no caret)";
  }

  QTemporaryDir pictures_;
};

TEST_F(StartupRunStudio, ADrawingsContextMenuIsSavedAndClosedThenTheWindowWithTheSelectionKept) {
  StudioOptions options = sampleOptions();
  options.contextMenu = "DEMO002.dwg";
  options.shotModal = pictures_.filePath(QStringLiteral("menu.png")).toStdString();
  options.offscreenShot = pictures_.filePath(QStringLiteral("window.png")).toStdString();
  options.windowSize = WindowSize{900, 600};

  EXPECT_EQ(runStart(options), 0) << "expected the start to finish well; history:\n" << history().toStdString();
  const QImage menu(QString::fromStdString(*options.shotModal));
  ASSERT_FALSE(menu.isNull()) << "expected a picture of the context menu";
  EXPECT_TRUE(menu.width() < 400 && menu.height() < 400)
      << "expected the menu's picture, not the window's; got " << menu.width() << "x" << menu.height();
  EXPECT_EQ(QImage(QString::fromStdString(*options.offscreenShot)).size(), QSize(900, 600))
      << "expected the window's picture at the asked size";
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "expected the menu closed";
  EXPECT_EQ(caretText().rfind(L"DEMO002.dwg", 0), 0u) << "expected the selected drawing kept after the menu";
}

TEST_F(StartupRunStudio, TheDisplayConfigurationDialogFromItsButtonIsSavedAndCancelled) {
  StudioOptions options = sampleOptions();
  options.pressButton = "display-config";
  options.shotModal = pictures_.filePath(QStringLiteral("dialog.png")).toStdString();

  EXPECT_EQ(runStart(options), 0) << "expected the start to finish well; history:\n" << history().toStdString();
  EXPECT_FALSE(QImage(QString::fromStdString(*options.shotModal)).isNull()) << "expected a picture of the dialog";
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "expected the dialog closed";
}

TEST_F(StartupRunStudio, ANodeThatIsNotInTheTreeFailsTheRun) {
  StudioOptions options = sampleOptions();
  options.contextMenu = "NOWHERE.dwg";
  options.shotModal = pictures_.filePath(QStringLiteral("menu.png")).toStdString();

  EXPECT_EQ(runStart(options), 1) << "expected the run to fail";
  EXPECT_FALSE(QFile::exists(QString::fromStdString(*options.shotModal))) << "expected no picture";
}

}  // namespace
}  // namespace vox::studio::test
