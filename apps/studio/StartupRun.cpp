#include "StartupRun.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QToolButton>

#include <cstdio>

#include "MainWindow.h"
#include "ModalShot.h"
#include "PaletteDock.h"
#include "ProjectTreeView.h"
#include "QtUiHost.h"
#include "StudioHost.h"
#include "host/HcPaletteControllers.h"
#include "platform/os/CaseMapping.h"

namespace vox::studio {
namespace {

// Starting must not take longer than this when a picture is to be taken.
constexpr int kPictureDeadlineMs = 60000;
// How often a wait for a dialog or menu to close looks again.
constexpr int kConditionCheckMs = 20;

bool picturesAsked(const StudioOptions& options) { return options.offscreenShot || options.shotModal; }

bool noModalOpen() { return QApplication::activeModalWidget() == nullptr && QApplication::activePopupWidget() == nullptr; }

QString absolute(const std::string& path) { return QFileInfo(QString::fromStdString(path)).absoluteFilePath(); }

bool fitsInQuotes(const QString& text) {
  for (const QChar c : text)
    if (c == u'"' || c == u'\\' || c.category() == QChar::Other_Control) return false;
  return true;
}

// The first drawing node whose text begins with `name` (its file name) and its project; zeros
// when there is none.
std::pair<HcNodeId, HcNodeId> findDrawing(const HcTreeController& tree, const std::wstring& name) {
  for (const HcNodeId project : tree.roots()) {
    for (const HcNodeId drawing : tree.children(project)) {
      const std::optional<HcTreeNodeView> view = tree.node(drawing);
      if (view && view->text.rfind(name, 0) == 0) return {project, drawing};
    }
  }
  return {0, 0};
}

// A project node whose text is `name` (ignoring case), else the drawing node findDrawing finds.
HcNodeId findNode(const HcTreeController& tree, const std::wstring& name) {
  for (const HcNodeId project : tree.roots()) {
    const std::optional<HcTreeNodeView> view = tree.node(project);
    if (view && os::iequals(view->text, name)) return project;
  }
  return findDrawing(tree, name).second;
}

// The middle of the node's row on the screen, where a user's right click would be.
HcPoint screenPointOf(const PaletteDock& dock, HcNodeId node) {
  const ProjectTreeView* view = dock.treeView();
  if (view == nullptr) return {};
  const QPoint point = view->viewport()->mapToGlobal(view->visualRect(view->treeModel()->indexOf(node)).center());
  return {point.x(), point.y()};
}

}  // namespace

StartupRun::StartupRun(StudioHost& studio, MainWindow& window, StudioOptions options, std::function<void(int)> finished)
    : studio_(studio), window_(window), options_(std::move(options)), finished_(std::move(finished)) {
  deadline_.setSingleShot(true);
  connect(&deadline_, &QTimer::timeout, this, [this] {
    fail(modalShot_ != nullptr && !modalShot_->taken() ? QStringLiteral("no dialog or menu opened in time")
                                                       : QStringLiteral("the start did not finish in time"));
  });
}

StartupRun::~StartupRun() = default;

void StartupRun::start() {
  if (options_.windowSize) window_.resize(options_.windowSize->width, options_.windowSize->height);
  if (options_.shotModal) modalShot_ = std::make_unique<ModalShot>(absolute(*options_.shotModal));
  if (picturesAsked(options_)) deadline_.start(kPictureDeadlineMs);
  if (!options_.openDrawing) {
    afterDrawing();
    return;
  }
  const QString drawing = absolute(*options_.openDrawing);
  if (!fitsInQuotes(drawing)) return fail(QStringLiteral("cannot open ") + drawing);
  studio_.onDocumentLoaded([this](HcDocument*) {
    if (drawingLoaded_) return;
    drawingLoaded_ = true;
    afterDrawing();
  });
  window_.runLine(QStringLiteral("OPEN \"") + drawing + u'"');
}

void StartupRun::afterDrawing() {
  if (options_.openProject) {
    const QString project = absolute(*options_.openProject);
    if (!fitsInQuotes(project)) return fail(QStringLiteral("cannot open ") + project);
    window_.runLine(QStringLiteral("(vox_openproject \"") + project + QStringLiteral("\" 1)"));
  }
  if (options_.showPalette) window_.runLine(QStringLiteral("Voxnav"));
  for (const std::string& line : options_.runLines) window_.runLine(QString::fromStdString(line));
  if (!picturesAsked(options_) && !options_.selectDrawing && !options_.contextMenu && !options_.pressButton) return;
  // The lines run at the loop's next turn; what they post runs before the second hop. A dialog
  // they open is answered (or shot) before the start goes on.
  studio_.loop().post([this] { studio_.loop().post([this] { when(noModalOpen, [this] { finishStart(); }); }); });
}

void StartupRun::finishStart() {
  if (options_.selectDrawing) {
    PaletteDock* dock = studio_.ui().paletteDock();
    HcTreeController* tree = dock != nullptr ? dock->tree() : nullptr;
    const QString name = QString::fromStdString(*options_.selectDrawing);
    const auto [project, drawing] = tree != nullptr ? findDrawing(*tree, name.toStdWString()) : std::pair<HcNodeId, HcNodeId>{};
    if (drawing == 0) return fail(QStringLiteral("no drawing ") + name + QStringLiteral(" in the palette"));
    tree->setExpanded(project, true);
    tree->click(drawing, HcHitPart::kLabel, kHcNoModifier);
  }
  if (!openAskedMenu() || !pressAskedButton()) return;
  if (!picturesAsked(options_)) return;
  // The details pane follows the selection at the loop's next turns; a command the menu or the
  // button queued runs meanwhile, and the asked dialog or menu may open only then.
  studio_.loop().post([this] {
    studio_.loop().post([this] {
      when([this] { return (modalShot_ == nullptr || modalShot_->taken()) && noModalOpen(); }, [this] { finishPictures(); });
    });
  });
}

bool StartupRun::openAskedMenu() {
  if (!options_.contextMenu) return true;
  PaletteDock* dock = studio_.ui().paletteDock();
  HcTreeController* tree = dock != nullptr ? dock->tree() : nullptr;
  const QString name = QString::fromStdString(*options_.contextMenu);
  const HcNodeId node = tree != nullptr ? findNode(*tree, name.toStdWString()) : 0;
  if (node == 0) {
    fail(QStringLiteral("no node ") + name + QStringLiteral(" in the palette"));
    return false;
  }
  tree->rightClick(node, screenPointOf(*dock, node));
  return true;
}

bool StartupRun::pressAskedButton() {
  if (!options_.pressButton) return true;
  PaletteDock* dock = studio_.ui().paletteDock();
  const QString name = QString::fromStdString(*options_.pressButton);
  auto* button = dock != nullptr ? dock->findChild<QToolButton*>(name) : nullptr;
  if (button == nullptr || !button->isEnabled()) {
    fail(QStringLiteral("no tool button ") + name + QStringLiteral(" to press in the palette"));
    return false;
  }
  button->click();
  return true;
}

void StartupRun::when(std::function<bool()> condition, std::function<void()> next) {
  if (condition()) return next();
  QTimer::singleShot(kConditionCheckMs, this, [this, condition = std::move(condition), next = std::move(next)]() mutable {
    when(std::move(condition), std::move(next));
  });
}

void StartupRun::finishPictures() {
  if (modalShot_ != nullptr) {
    const QString path = absolute(*options_.shotModal);
    if (!modalShot_->saved()) return fail(QStringLiteral("cannot write ") + path);
    std::printf("%s\n", path.toLocal8Bit().constData());
    std::fflush(stdout);
  }
  if (options_.offscreenShot) return takePicture();
  deadline_.stop();
  finished_(0);
}

void StartupRun::takePicture() {
  deadline_.stop();
  const QString path = absolute(*options_.offscreenShot);
  if (!window_.grab().save(path, "PNG")) return fail(QStringLiteral("cannot write ") + path);
  std::printf("%s\n", path.toLocal8Bit().constData());
  std::fflush(stdout);
  finished_(0);
}

void StartupRun::fail(const QString& why) {
  deadline_.stop();
  std::fprintf(stderr, "voxfolio-studio: %s\n", why.toLocal8Bit().constData());
  if (picturesAsked(options_)) finished_(1);
}

}  // namespace vox::studio
