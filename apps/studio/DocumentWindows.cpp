#include "DocumentWindows.h"

#include <QCloseEvent>
#include <QLabel>

#include "DrawingScene.h"
#include "DrawingView.h"
#include "StudioTexts.h"
#include "platform/dwgdb/DrawingFile.h"

namespace vox::studio {
namespace {

// A document's window: closing it asks the host to close the document instead.
class DocumentSubWindow : public QMdiSubWindow {
 public:
  DocumentSubWindow(std::function<void()> askClose) : askClose_(std::move(askClose)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
  }
  void closeForGood() {
    closing_ = true;
    close();
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (closing_) {
      QMdiSubWindow::closeEvent(event);
      return;
    }
    event->ignore();
    askClose_();
  }

 private:
  std::function<void()> askClose_;
  bool closing_ = false;
};

QWidget* contentFor(const HcDocument& doc) {
  std::wstring error;
  if (const std::optional<dwgdb::Drawing> drawing = dwgdb::loadDrawing(doc.fileName(), &error))
    return new DrawingView(buildDrawingScene(*drawing));
  auto* label = new QLabel(studioText(StudioText::kCannotShowDrawing, QString::fromStdWString(doc.fileName())) +
                           QStringLiteral("\n") + QString::fromStdWString(error));
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  return label;
}

QString windowTitleOf(const HcDocument& doc) {
  const std::wstring path = doc.fileName();
  const std::size_t slash = path.find_last_of(L"\\/");
  return QString::fromStdWString(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

}  // namespace

DocumentWindows::DocumentWindows(QMdiArea& area, HcDocManager& documents) : area_(area), documents_(documents) {
  documents_.addReactor(this);
  QObject::connect(&area_, &QMdiArea::subWindowActivated, &area_, [this](QMdiSubWindow* w) { activatedByUser(w); });
  for (HcDocument* doc : documents_.documents()) documentCreated(doc);
}

DocumentWindows::~DocumentWindows() {
  documents_.removeReactor(this);
  QObject::disconnect(&area_, &QMdiArea::subWindowActivated, &area_, nullptr);
}

void DocumentWindows::documentCreated(HcDocument* doc) {
  auto* window = new DocumentSubWindow([this, doc] {
    documents_.executeInApplicationContext([this, doc] {
      for (HcDocument* open : documents_.documents())
        if (open == doc) documents_.closeDocument(doc);
    });
  });
  window->setWidget(contentFor(*doc));
  window->setWindowTitle(windowTitleOf(*doc));
  window->setToolTip(QString::fromStdWString(doc->fileName()));
  windows_[doc] = window;
  const bool wasFollowing = following_;
  following_ = true;
  area_.addSubWindow(window);
  window->showMaximized();
  following_ = wasFollowing;
}

void DocumentWindows::documentToBeDestroyed(HcDocument* doc) {
  const auto it = windows_.find(doc);
  if (it == windows_.end()) return;
  auto* window = static_cast<DocumentSubWindow*>(it->second);
  windows_.erase(it);
  following_ = true;
  window->closeForGood();
  area_.removeSubWindow(window);
  window->deleteLater();
  following_ = false;
}

void DocumentWindows::documentActivated(HcDocument* doc) {
  QMdiSubWindow* window = windowOf(doc);
  if (window == nullptr || area_.activeSubWindow() == window) return;
  following_ = true;
  area_.setActiveSubWindow(window);
  following_ = false;
}

QMdiSubWindow* DocumentWindows::windowOf(const HcDocument* doc) const {
  for (const auto& [open, window] : windows_)
    if (open == doc) return window;
  return nullptr;
}

DrawingView* DocumentWindows::activeView() const {
  QMdiSubWindow* window = area_.activeSubWindow();
  return window != nullptr ? dynamic_cast<DrawingView*>(window->widget()) : nullptr;
}

void DocumentWindows::activatedByUser(QMdiSubWindow* window) {
  if (following_ || window == nullptr) return;
  for (const auto& [doc, w] : windows_) {
    if (w == window && documents_.curDocument() != doc) documents_.activateDocument(doc);
  }
}

}  // namespace vox::studio
