#include "LockMarkIcon.h"

#include <QPainter>

namespace vox::studio {

QColor lockColour(HcLockMark mark) {
  switch (mark) {
    case HcLockMark::kGreen: return {127, 255, 127};
    case HcLockMark::kRed: return {255, 79, 79};
    case HcLockMark::kYellow: return {255, 223, 0};
    case HcLockMark::kGrey: return {150, 150, 150};
    case HcLockMark::kNone: break;
  }
  return {};
}

QPixmap lockPixmap(HcLockMark mark, int size) {
  if (mark == HcLockMark::kNone) return {};
  // Drawn on a 14 pixel grid and scaled: the shackle's arc above a rounded body with the square.
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 14.0, size / 14.0);
  painter.setPen(QColor(90, 90, 90));
  painter.setBrush(QColor(160, 160, 160));
  painter.drawRoundedRect(1, 5, 12, 8, 2, 2);
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(3, 0, 8, 10, 0, 180 * 16);
  painter.fillRect(5, 7, 5, 5, lockColour(mark));
  return pixmap;
}

QIcon withLockBadge(const QIcon& base, HcLockMark mark) {
  QPixmap pixmap = base.pixmap(16, 16);
  if (pixmap.isNull()) {
    pixmap = QPixmap(16, 16);
    pixmap.fill(Qt::transparent);
  }
  QPainter painter(&pixmap);
  painter.drawPixmap(6, 6, lockPixmap(mark, 10));
  return QIcon(pixmap);
}

}  // namespace vox::studio
