#include "ProjectTreeDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace vox::studio {

QSize ProjectTreeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.rheight() += kExtraRowHeight;
  return size;
}

HcHitPart ProjectTreeDelegate::partAt(const QStyleOptionViewItem& option, const QModelIndex& index, QPoint point) const {
  if (!option.rect.contains(point)) return HcHitPart::kNone;
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QWidget* widget = item.widget;
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  const QRect icon = style->subElementRect(QStyle::SE_ItemViewItemDecoration, &item, widget);
  if (item.features.testFlag(QStyleOptionViewItem::HasDecoration) && point.x() <= icon.right()) return HcHitPart::kIcon;
  // The label is the text as wide as it is drawn, with the style's margin on both sides.
  const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &item, widget) + 1;
  const int labelRight = text.left() + item.fontMetrics.horizontalAdvance(item.text) + 2 * margin;
  return point.x() >= text.left() && point.x() < labelRight ? HcHitPart::kLabel : HcHitPart::kNone;
}

bool ProjectTreeDelegate::textShortened(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QWidget* widget = item.widget;
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &item, widget) + 1;
  return item.fontMetrics.horizontalAdvance(item.text) + 2 * margin > text.width();
}

bool ProjectTreeDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) {
  if (event == nullptr || event->type() != QEvent::ToolTip || !index.isValid() || !textShortened(option, index))
    return QStyledItemDelegate::helpEvent(event, view, option, index);
  const QString whole = index.data(Qt::DisplayRole).toString();
  const QString more = index.data(Qt::ToolTipRole).toString();
  QToolTip::showText(event->globalPos(), more.isEmpty() ? whole : whole + u'\n' + more, view);
  return true;
}

}  // namespace vox::studio
