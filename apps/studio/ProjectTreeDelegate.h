#pragma once
// How the project tree draws a row: as Qt's styled delegate does, two pixels taller than its
// default height, and which part of a drawn row (icon, label, or beside them) a point is on.
// A row whose text is cut short to fit shows its whole text first in its tooltip.

#include <QStyledItemDelegate>

#include "host/HcPaletteControllers.h"

namespace vox::studio {

class ProjectTreeDelegate : public QStyledItemDelegate {
 public:
  static constexpr int kExtraRowHeight = 2;

  using QStyledItemDelegate::QStyledItemDelegate;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // The part of the row drawn in `option.rect` that `point` is on: the icon, the label's text,
  // or none (the free space right of the label).
  HcHitPart partAt(const QStyleOptionViewItem& option, const QModelIndex& index, QPoint point) const;
  // Whether the row's text is drawn shortened in `option.rect`.
  bool textShortened(const QStyleOptionViewItem& option, const QModelIndex& index) const;

  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;
};

}  // namespace vox::studio
