#include "DrawingView.h"

#include <QGraphicsSimpleTextItem>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>
#include <utility>

#include "DrawingScene.h"

namespace vox::studio {
namespace {

constexpr double kWheelStep = 1.2;
constexpr double kFitMargin = 0.05;
// Room to pan past the drawing's extents, as a multiple of their size.
constexpr double kPanRoom = 20.0;
// How far from a text, in pixels, a click still selects it.
constexpr int kPickAperture = 3;

QRectF extentsOf(const QGraphicsScene& scene) {
  QRectF extents = scene.itemsBoundingRect();
  if (extents.isEmpty()) extents = QRectF(0, -297, 420, 297);  // an empty drawing: an A3 sheet
  return extents;
}

}  // namespace

DrawingView::DrawingView(std::unique_ptr<QGraphicsScene> scene, QWidget* parent)
    : QGraphicsView(parent), scene_(std::move(scene)) {
  setScene(scene_.get());
  const QRectF extents = extentsOf(*scene_);
  const double room = kPanRoom * std::max(extents.width(), extents.height());
  setSceneRect(extents.adjusted(-room, -room, room, room));
  setRenderHint(QPainter::Antialiasing);
  setRenderHint(QPainter::TextAntialiasing);
  setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setDragMode(QGraphicsView::ScrollHandDrag);
  setFrameShape(QFrame::NoFrame);
}

DrawingView::~DrawingView() {
  endPick(std::nullopt);
  setScene(nullptr);
}

void DrawingView::beginPick(PickHandler handler) {
  endPick(std::nullopt);
  pickHandler_ = std::move(handler);
  setDragMode(QGraphicsView::NoDrag);
  viewport()->setCursor(Qt::CrossCursor);
}

void DrawingView::endPick(const std::optional<Pick>& pick) {
  if (!pickHandler_) return;
  const PickHandler handler = std::exchange(pickHandler_, {});
  setDragMode(QGraphicsView::ScrollHandDrag);
  viewport()->unsetCursor();
  handler(pick);
}

std::optional<QString> DrawingView::textAt(QPoint viewPos) const {
  const QRect around(viewPos - QPoint(kPickAperture, kPickAperture), QSize(2, 2) * kPickAperture + QSize(1, 1));
  for (const QGraphicsItem* item : items(around)) {
    if (item->data(kEntityKindKey).toString() != kTextKind) continue;
    if (const auto* text = dynamic_cast<const QGraphicsSimpleTextItem*>(item)) return text->text();
  }
  return std::nullopt;
}

void DrawingView::fit() {
  const QRectF extents = extentsOf(*scene_);
  const double mx = extents.width() * kFitMargin;
  const double my = extents.height() * kFitMargin;
  fitInView(extents.adjusted(-mx, -my, mx, my), Qt::KeepAspectRatio);
  userMoved_ = false;
}

void DrawingView::zoomBy(double factor) {
  const ViewportAnchor anchor = transformationAnchor();
  setTransformationAnchor(QGraphicsView::AnchorViewCenter);
  scale(factor, factor);
  setTransformationAnchor(anchor);
  userMoved_ = true;
}

void DrawingView::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  if (steps == 0) return;
  const double factor = std::pow(kWheelStep, steps);
  scale(factor, factor);
  userMoved_ = true;
  event->accept();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
  if (picking() && event->button() == Qt::LeftButton) {
    const QPoint at = event->position().toPoint();
    const QPointF scenePoint = mapToScene(at);
    event->accept();
    endPick(Pick{QPointF(scenePoint.x(), -scenePoint.y()), textAt(at)});
    return;
  }
  if (event->button() == Qt::MiddleButton) {
    panning_ = true;
    lastPan_ = event->position().toPoint();
    event->accept();
    return;
  }
  if (event->button() == Qt::LeftButton) userMoved_ = true;
  QGraphicsView::mousePressEvent(event);
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
  if (panning_) {
    const QPoint now = event->position().toPoint();
    const QPoint delta = now - lastPan_;
    lastPan_ = now;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - delta.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() - delta.y());
    userMoved_ = true;
    event->accept();
    return;
  }
  QGraphicsView::mouseMoveEvent(event);
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && panning_) {
    panning_ = false;
    event->accept();
    return;
  }
  QGraphicsView::mouseReleaseEvent(event);
}

void DrawingView::keyPressEvent(QKeyEvent* event) {
  if (picking() && event->key() == Qt::Key_Escape) {
    event->accept();
    endPick(std::nullopt);
    return;
  }
  QGraphicsView::keyPressEvent(event);
}

void DrawingView::showEvent(QShowEvent* event) {
  QGraphicsView::showEvent(event);
  if (!userMoved_) fit();
}

// Until the user zooms or pans, the drawing keeps filling the window as it is resized.
void DrawingView::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  if (!userMoved_) fit();
}

}  // namespace vox::studio
