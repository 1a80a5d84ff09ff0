#include "MainWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "CommandLineDock.h"
#include "CommandStatus.h"
#include "DocumentWindows.h"
#include "DrawingView.h"
#include "QtUiHost.h"
#include "StudioHost.h"
#include "StudioTexts.h"
#include "WindowLayout.h"
#include "platform/lispcore/RecentProjectList.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/NativePath.h"

namespace vox::studio {
namespace {

constexpr double kZoomStep = 1.5;
constexpr int kCommandLineHeight = 170;
const std::wstring kModuleCommandGroup = L"VOXFolio";

// What the module told the LISP core: the active project (the current document's "GBL_wd_prj"),
// and the projects its recent-projects list flags open ("1") or open and active ("2").
std::vector<OpenProjectRow> openProjectsOf(platform::ReferenceHost& host) {
  std::wstring active;
  if (const std::optional<lisp::Value> value =
          host.lisp().global(host.runtime().documents().curDocument(), L"GBL_wd_prj");
      value && value->kind == lisp::Value::Kind::kString) {
    active = value->text;
  }
  std::vector<OpenProjectRow> rows;
  bool activeListed = false;
  const lispcore::RecentProjectList recent = lispcore::RecentProjectList::load(host.settings());
  for (const lispcore::RecentProject& project : recent.entries()) {
    const bool isActive = !active.empty() && os::iequals(project.path, active);
    if (project.flag != L"1" && project.flag != L"2" && !isActive) continue;
    rows.push_back({project.path, isActive || (active.empty() && project.flag == L"2")});
    activeListed = activeListed || isActive;
  }
  if (!active.empty() && !activeListed) rows.insert(rows.begin(), {active, true});
  return rows;
}

// Text that can travel inside the command line's double quotes.
bool quotable(const QString& text) {
  for (const QChar c : text)
    if (c == u'"' || c.category() == QChar::Other_Control) return false;
  return true;
}

}  // namespace

MainWindow::MainWindow(StudioHost& studio) : studio_(studio), area_(new QMdiArea(this)) {
  setObjectName(QStringLiteral("studioMainWindow"));
  setWindowTitle(studioText(StudioText::kWindowTitle));
  area_->setObjectName(QStringLiteral("drawings"));
  area_->setViewMode(QMdiArea::SubWindowView);
  setCentralWidget(area_);
  resize(1200, 800);

  commandLine_ = new CommandLineDock([this](const QString& line) { studio_.type(line.toStdWString()); }, this);
  addDockWidget(Qt::BottomDockWidgetArea, commandLine_);
  studio_.commandLine().setOutput([this](const std::wstring& text) { commandLine_->appendOutput(QString::fromStdWString(text)); });

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("commandStatus"));
  statusBar()->addWidget(status_, 1);
  commandStatus_ = std::make_unique<CommandStatus>(*status_, [this] { studio_.loop().post([this] { studio_.ui().refreshPalette(); }); });
  studio_.host().runtime().editor().addReactor(commandStatus_.get());

  windows_ = std::make_unique<DocumentWindows>(*area_, studio_.documents());
  studio_.picks().setViewSource([this] { return windows_->activeView(); });
  studio_.picks().setPromptSink([this](const QString& prompt) { statusBar()->showMessage(prompt); });
  studio_.interaction().setParent(this);
  studio_.ui().setMainWindow(this);
  studio_.ui().setOpenProjects([this] { return openProjectsOf(studio_.host()); });
  buildMenus();
  if (!restoreWindowLayout(*this, windowLayoutPathIn(studio_.settingsFolder())))
    resizeDocks({commandLine_}, {kCommandLineHeight}, Qt::Vertical);
}

MainWindow::~MainWindow() {
  studio_.host().runtime().editor().removeReactor(commandStatus_.get());
  studio_.commandLine().setOutput({});
  studio_.ui().setMainWindow(nullptr);
  studio_.picks().setViewSource({});
  studio_.picks().setPromptSink({});
  studio_.interaction().setParent(nullptr);
}

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(studioText(StudioText::kFileMenu));
  file->addAction(studioText(StudioText::kOpenDrawing), QKeySequence::Open, this, [this] { openDrawingAsked(); });
  file->addAction(studioText(StudioText::kCloseDrawing), QKeySequence::Close, this, [this] { runLine(QStringLiteral("CLOSE")); });
  file->addSeparator();
  file->addAction(studioText(StudioText::kQuit), QKeySequence::Quit, this, [this] { close(); });

  QMenu* commands = menuBar()->addMenu(studioText(StudioText::kCommandsMenu));
  commands->setObjectName(QStringLiteral("moduleCommands"));
  connect(commands, &QMenu::aboutToShow, this, [this, commands] { fillCommandsMenu(*commands); });
  fillCommandsMenu(*commands);

  QMenu* view = menuBar()->addMenu(studioText(StudioText::kViewMenu));
  view->addAction(studioText(StudioText::kFit), QKeySequence(Qt::Key_F), this, [this] {
    if (DrawingView* active = windows_->activeView()) active->fit();
  });
  view->addAction(studioText(StudioText::kZoomIn), QKeySequence::ZoomIn, this, [this] {
    if (DrawingView* active = windows_->activeView()) active->zoomBy(kZoomStep);
  });
  view->addAction(studioText(StudioText::kZoomOut), QKeySequence::ZoomOut, this, [this] {
    if (DrawingView* active = windows_->activeView()) active->zoomBy(1.0 / kZoomStep);
  });
  view->addSeparator();
  view->addAction(commandLine_->toggleViewAction());
  view->addAction(studioText(StudioText::kShowPalette), this, [this] { runLine(QStringLiteral("Voxnav")); });
  view->addAction(studioText(StudioText::kHidePalette), this, [this] { runLine(QStringLiteral("Voxhidenav")); });

  QMenu* windows = menuBar()->addMenu(studioText(StudioText::kWindowMenu));
  windows->addAction(studioText(StudioText::kTile), area_, &QMdiArea::tileSubWindows);
  windows->addAction(studioText(StudioText::kCascade), area_, &QMdiArea::cascadeSubWindows);
}

// The module's commands as registered now, each run by its global name as if typed.
void MainWindow::fillCommandsMenu(QMenu& menu) {
  menu.clear();
  for (const HcCommand& command : studio_.host().runtime().commands().commands()) {
    if (command.group != kModuleCommandGroup) continue;
    const QString name = QString::fromStdWString(command.globalName);
    QAction* action = menu.addAction(QString::fromStdWString(command.localName));
    action->setData(name);
    connect(action, &QAction::triggered, this, [this, name] { runLine(name); });
  }
}

void MainWindow::openDrawingAsked() {
  const std::optional<std::wstring> chosen =
      studio_.interaction().chooseFile(studioText(StudioText::kOpenDrawingTitle).toStdWString(), L"",
                                       studioText(StudioText::kDrawingFilter).toStdWString(), false);
  if (!chosen) return;
  const std::optional<std::string> native = os::toNative(*chosen);
  if (native) openDrawing(QString::fromStdString(*native));
}

void MainWindow::openDrawing(const QString& nativePath) {
  if (!quotable(nativePath)) {
    QMessageBox::warning(this, windowTitle(), studioText(StudioText::kRefusedPath, nativePath));
    return;
  }
  runLine(QStringLiteral("OPEN \"") + nativePath + u'"');
}

void MainWindow::runLine(const QString& line) { studio_.type(line.toStdWString()); }

void MainWindow::saveLayout() const { saveWindowLayout(*this, windowLayoutPathIn(studio_.settingsFolder())); }

void MainWindow::closeEvent(QCloseEvent* event) {
  saveLayout();
  QMainWindow::closeEvent(event);
}

}  // namespace vox::studio
