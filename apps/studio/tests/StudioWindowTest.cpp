// The studio's main window with the real module: the command-line dock, drawings in
// sub-windows, the module's questions answered through Qt dialogs, the palette dock shown and
// hidden by the module's commands, and the layout kept across runs.

#include <QFileDialog>
#include <QGraphicsItem>
#include <QMenu>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "CommandLineDock.h"
#include "DocumentWindows.h"
#include "DrawingScene.h"
#include "DrawingView.h"
#include "ModalAnswerer.h"
#include "PaletteDock.h"
#include "ProjectTreeView.h"
#include "QtUiHost.h"
#include "StudioFixture.h"
#include "StudioTexts.h"
#include "platform/dwgdb/DrawingFile.h"
#include "platform/os/NativePath.h"

namespace vox::studio::test {
namespace {

class StudioWindow : public StudioFixture {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(startStudio()); }

  QList<QMdiSubWindow*> subWindows() { return window().drawingArea()->subWindowList(); }
  bool hasWindowTitled(const QString& title) {
    for (const QMdiSubWindow* w : subWindows())
      if (w->windowTitle() == title) return true;
    return false;
  }
  void openSample(const std::string& name) {
    typeLine(QStringLiteral("OPEN \"%1\"").arg(QString::fromStdString(sample(name))));
    ASSERT_TRUE(waitUntil([&] { return hasWindowTitled(QString::fromStdString(name)); }))
        << "expected a window for " << name << "; history:\n" << history().toStdString();
  }
};

TEST_F(StudioWindow, TypedLispLineReachesTheInterpreterAndItsAnswerShowsInTheHistory) {
  typeLine(QStringLiteral("(+ 40 2)"));
  ASSERT_TRUE(waitUntil([&] { return history().contains(QStringLiteral("\n42")); }))
      << "expected 42 in the history, got:\n" << history().toStdString();
  EXPECT_TRUE(history().contains(QStringLiteral("(+ 40 2)"))) << "expected the typed line echoed";
  CommandInput* input = window().commandLineDock()->input();
  EXPECT_TRUE(input->text().isEmpty());
  QTest::keyClick(input, Qt::Key_Up);
  EXPECT_EQ(input->text(), QStringLiteral("(+ 40 2)")) << "expected Up to bring back the last line";
  QTest::keyClick(input, Qt::Key_Down);
  EXPECT_TRUE(input->text().isEmpty());
}

TEST_F(StudioWindow, OpeningADrawingAddsASubWindowWhoseSceneHoldsItsEntities) {
  ASSERT_NO_FATAL_FAILURE(openSample("DEMO001.dwg"));
  ASSERT_EQ(subWindows().size(), 1);
  auto* view = dynamic_cast<DrawingView*>(subWindows().front()->widget());
  ASSERT_NE(view, nullptr) << "expected the drawing's view in the window";
  const std::optional<dwgdb::Drawing> drawing = dwgdb::loadDrawing(os::fromNative(sample("DEMO001.dwg")));
  ASSERT_TRUE(drawing.has_value());
  int lines = 0;
  int texts = 0;
  int references = 0;
  for (const dwgdb::Entity& entity : drawing->findSpace(L"*Model_Space")->entities) {
    lines += std::holds_alternative<dwgdb::Line>(entity);
    texts += std::holds_alternative<dwgdb::Text>(entity);
    references += std::holds_alternative<dwgdb::BlockReference>(entity);
  }
  ASSERT_GT(lines + texts + references, 0) << "expected the sample to have entities";
  int topLines = 0;
  int topTexts = 0;
  for (const QGraphicsItem* item : view->scene()->items()) {
    if (item->parentItem() != nullptr) continue;
    topLines += item->data(kEntityKindKey).toString() == kLineKind;
    topTexts += item->data(kEntityKindKey).toString() == kTextKind;
  }
  EXPECT_EQ(topLines, lines);
  EXPECT_EQ(topTexts, texts);
  EXPECT_EQ(countEntityItems(*view->scene(), kBlockReferenceKind), references);

  typeLine(QStringLiteral("CLOSE"));
  ASSERT_TRUE(waitUntil([&] { return subWindows().isEmpty(); })) << "expected CLOSE to remove the window";
}

TEST_F(StudioWindow, ClosingASubWindowClosesItsDocumentAndActivatingOneMakesItCurrent) {
  ASSERT_NO_FATAL_FAILURE(openSample("DEMO001.dwg"));
  ASSERT_NO_FATAL_FAILURE(openSample("DEMO002.dwg"));
  HcDocument* firstDocument = studio().documents().find(os::fromNative(sample("DEMO001.dwg")));
  ASSERT_NE(firstDocument, nullptr) << "expected a document for DEMO001.dwg";
  QMdiSubWindow* first = window().documentWindows().windowOf(firstDocument);
  ASSERT_NE(first, nullptr) << "expected a window for DEMO001.dwg's document";
  window().drawingArea()->setActiveSubWindow(first);
  EXPECT_EQ(studio().documents().curDocument()->fileName(), os::fromNative(sample("DEMO001.dwg")));
  first->close();
  ASSERT_TRUE(waitUntil([&] { return studio().documents().documentCount() == 1; }))
      << "expected the document closed with its window";
  ASSERT_TRUE(waitUntil([&] { return subWindows().size() == 1; }));
  EXPECT_EQ(subWindows().front()->windowTitle(), QStringLiteral("DEMO002.dwg"));
}

TEST_F(StudioWindow, ModulesMessageBoxesAndFileDialogAreAnsweredThroughQt) {
  ModalAnswerer answerer;
  QStringList questions;
  QString statusDuringCommand;
  const auto answerNo = [&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr) << "expected a message box";
    questions << box->text();
    statusDuringCommand = window().statusLabel()->text();
    box->button(QMessageBox::No)->click();
  };
  answerer.then(answerNo);  // Run dwg props?
  answerer.then(answerNo);  // Run script?
  answerer.then([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr) << "expected a file dialog";
    ASSERT_TRUE(chooseInFileDialog(dialog, QString::fromStdString(sample("DEMO002.dwg"))))
        << "expected the file dialog's name field";
  });
  typeLine(QStringLiteral("TestModal"));
  ASSERT_TRUE(waitUntil([&] { return hasWindowTitled(QStringLiteral("DEMO002.dwg")); }))
      << "expected the chosen drawing to open; asked: " << questions.join(u'|').toStdString()
      << "; unexpected dialogs: " << answerer.unexpected().join(u'|').toStdString();
  EXPECT_EQ(answerer.stuck(), 0) << "expected every dialog to close on its answer; unexpected dialogs: "
                                 << answerer.unexpected().join(u'|').toStdString();
  EXPECT_EQ(questions, (QStringList{QStringLiteral("Run dwg props?"), QStringLiteral("Run script?")}));
  EXPECT_TRUE(statusDuringCommand.contains(QStringLiteral("TestModal")))
      << "expected the status bar to name the running command, got " << statusDuringCommand.toStdString();
  ASSERT_TRUE(waitUntil([&] { return window().statusLabel()->text() == studioText(StudioText::kReady); }));
}

TEST_F(StudioWindow, VoxnavAndVoxhidenavShowAndHideThePaletteDock) {
  typeLine(QStringLiteral("Voxnav"));
  ASSERT_TRUE(waitUntil([&] { return studio().ui().paletteDock() != nullptr && studio().ui().paletteDock()->isVisible(); }))
      << "expected Voxnav to show the palette dock";
  PaletteDock* dock = studio().ui().paletteDock();
  EXPECT_EQ(dock->windowTitle().toStdWString(), dock->paletteSet().caption());
  EXPECT_EQ(window().dockWidgetArea(dock), Qt::LeftDockWidgetArea);
  typeLine(QStringLiteral("Voxhidenav"));
  ASSERT_TRUE(waitUntil([&] { return !dock->isVisible(); })) << "expected Voxhidenav to hide the dock";
  typeLine(QStringLiteral("Voxnav"));
  ASSERT_TRUE(waitUntil([&] { return dock->isVisible(); })) << "expected Voxnav to show it again";
  EXPECT_EQ(studio().ui().paletteDock(), dock) << "expected the same dock, not a second one";
}

TEST_F(StudioWindow, PaletteDockShowsTheOpenedProjectAsActiveInTheTree) {
  ASSERT_NO_FATAL_FAILURE(openSample("DEMO001.dwg"));
  typeLine(QStringLiteral("(vox_openproject \"%1\" 1)").arg(QString::fromStdString(sample("DEMO.wdp"))));
  typeLine(QStringLiteral("Voxnav"));
  const auto project = [&] {
    const PaletteDock* dock = studio().ui().paletteDock();
    const QAbstractItemModel* model = dock != nullptr && dock->treeView() != nullptr ? dock->treeView()->model() : nullptr;
    return model != nullptr && model->rowCount() == 1 ? model->index(0, 0) : QModelIndex();
  };
  ASSERT_TRUE(waitUntil([&] { return project().data().toString() == QStringLiteral("DEMO"); }))
      << "expected the palette's tree to show DEMO; history:\n" << history().toStdString();
  EXPECT_TRUE(project().data(Qt::FontRole).value<QFont>().bold()) << "expected the active project bold";
  EXPECT_FALSE(studio().ui().paletteDock()->projectList()->isVisible()) << "the tree takes the list's place";
}

TEST_F(StudioWindow, DockLayoutIsKeptAcrossRuns) {
  window().addDockWidget(Qt::TopDockWidgetArea, window().commandLineDock());
  closeWindow();
  auto again = std::make_unique<MainWindow>(studio());
  EXPECT_EQ(again->dockWidgetArea(again->commandLineDock()), Qt::TopDockWidgetArea)
      << "expected the command line where it was left";
}

TEST_F(StudioWindow, CommandsMenuRunsTheModulesCommands) {
  QMenu* commands = window().findChild<QMenu*>(QStringLiteral("moduleCommands"));
  ASSERT_NE(commands, nullptr);
  QAction* voxnav = nullptr;
  for (QAction* action : commands->actions())
    if (action->data().toString() == QStringLiteral("Voxnav")) voxnav = action;
  ASSERT_NE(voxnav, nullptr) << "expected the module's Voxnav in the menu";
  voxnav->trigger();
  ASSERT_TRUE(waitUntil([&] { return studio().ui().paletteDock() != nullptr && studio().ui().paletteDock()->isVisible(); }));
}

}  // namespace
}  // namespace vox::studio::test
