#include "StartupRun.h"

#include <QFileInfo>
#include <QPixmap>

#include <cstdio>

#include "MainWindow.h"
#include "PaletteDock.h"
#include "QtUiHost.h"
#include "StudioHost.h"
#include "host/HcPaletteControllers.h"

namespace vox::studio {
namespace {

// Starting must not take longer than this when a picture is to be taken.
constexpr int kPictureDeadlineMs = 60000;

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

}  // namespace

StartupRun::StartupRun(StudioHost& studio, MainWindow& window, StudioOptions options, std::function<void(int)> finished)
    : studio_(studio), window_(window), options_(std::move(options)), finished_(std::move(finished)) {
  deadline_.setSingleShot(true);
  connect(&deadline_, &QTimer::timeout, this, [this] { fail(QStringLiteral("the start did not finish in time")); });
}

void StartupRun::start() {
  if (options_.offscreenShot) deadline_.start(kPictureDeadlineMs);
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
  if (!options_.offscreenShot && !options_.selectDrawing) return;
  // The lines run at the loop's next turn; what they post runs before the second hop.
  studio_.loop().post([this] { studio_.loop().post([this] { finishStart(); }); });
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
  if (!options_.offscreenShot) return;
  // The details pane follows the selection at the loop's next turns.
  studio_.loop().post([this] { studio_.loop().post([this] { takePicture(); }); });
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
  if (options_.offscreenShot) finished_(1);
}

}  // namespace vox::studio
