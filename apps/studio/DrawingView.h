#pragma once
// A 2D view of one drawing's scene: the wheel zooms about the cursor, dragging with the left or
// middle button pans, and the view fits the drawing when first shown and on request.

#include <QGraphicsView>

#include <memory>

namespace vox::studio {

class DrawingView : public QGraphicsView {
 public:
  // The view owns `scene`.
  DrawingView(std::unique_ptr<QGraphicsScene> scene, QWidget* parent = nullptr);
  ~DrawingView() override;

  // Shows the whole drawing with a margin.
  void fit();
  // Zooms by `factor` about the view's centre (>1 enlarges).
  void zoomBy(double factor);
  double zoomFactor() const { return transform().m11(); }

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::unique_ptr<QGraphicsScene> scene_;
  bool userMoved_ = false;
  bool panning_ = false;
  QPoint lastPan_;
};

}  // namespace vox::studio
