#pragma once
// A 2D view of one drawing's scene: the wheel zooms about the cursor, dragging with the left or
// middle button pans, and the view fits the drawing when first shown and on request.
// In pick mode (a host asking the user for a point or a text) the next left click is not a pan:
// it is handed to the pick's handler with the point in drawing units and the text under it;
// Escape, or the view going away, hands over none.

#include <QGraphicsView>

#include <functional>
#include <memory>
#include <optional>

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

  struct Pick {
    QPointF point;                // in drawing units (y up)
    std::optional<QString> text;  // the text entity clicked, also one inside a block reference
    bool operator==(const Pick&) const = default;
  };
  using PickHandler = std::function<void(const std::optional<Pick>&)>;
  // Starts pick mode; a pick already running is cancelled first.
  void beginPick(PickHandler handler);
  bool picking() const { return static_cast<bool>(pickHandler_); }
  // The text entity within a few pixels of `viewPos` (topmost first); none when there is none.
  std::optional<QString> textAt(QPoint viewPos) const;

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void endPick(const std::optional<Pick>& pick);

  std::unique_ptr<QGraphicsScene> scene_;
  PickHandler pickHandler_;
  bool userMoved_ = false;
  bool panning_ = false;
  QPoint lastPan_;
};

}  // namespace vox::studio
