#include "ElidedPathLabel.h"

#include <QFontMetrics>
#include <QResizeEvent>

namespace vox::studio {

ElidedPathLabel::ElidedPathLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  // Any width will do: the text adapts to what the layout gives.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedPathLabel::setPath(const QString& path) {
  path_ = path;
  setToolTip(path);
  elide();
}

QSize ElidedPathLabel::minimumSizeHint() const {
  // Wide enough for a few characters around the ellipsis, never as wide as the path.
  return {fontMetrics().averageCharWidth() * 8, QLabel::minimumSizeHint().height()};
}

void ElidedPathLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  if (event->size().width() != event->oldSize().width()) elide();
}

void ElidedPathLabel::elide() {
  const int room = contentsRect().width();
  setText(fontMetrics().elidedText(path_, Qt::ElideMiddle, room > 0 ? room : 0));
}

}  // namespace vox::studio
