#include "ProjectComboView.h"

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStandardItemModel>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace vox::studio {
namespace {

// The lock mark: a padlock-grey frame holding a square in the lock state's colour.
QIcon lockIcon(HcLockMark mark) {
  static const QColor kColours[] = {QColor(), QColor(127, 255, 127), QColor(255, 79, 79), QColor(255, 223, 0),
                                    QColor(150, 150, 150)};
  QPixmap pixmap(14, 14);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QColor(90, 90, 90));
  painter.setBrush(QColor(160, 160, 160));
  painter.drawRoundedRect(1, 5, 12, 8, 2, 2);
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(3, 0, 8, 10, 0, 180 * 16);
  painter.fillRect(5, 7, 5, 5, kColours[static_cast<int>(mark)]);
  return QIcon(pixmap);
}

}  // namespace

ProjectComboView::ProjectComboView(HcComboController& combo, QWidget* parent) : QComboBox(parent), combo_(combo) {
  setObjectName(QStringLiteral("projectCombo"));
  combo_.setChangeListener([this] { refill(); });
  connect(this, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    if (filling_) return;
    combo_.choose(index);
    refill();  // a choice the controller refused puts the previous item back
  });
  refill();
}

ProjectComboView::~ProjectComboView() { combo_.setChangeListener(nullptr); }

void ProjectComboView::refill() {
  filling_ = true;
  clear();
  const std::vector<HcComboItemView> items = combo_.items();
  auto* model = qobject_cast<QStandardItemModel*>(this->model());
  for (const HcComboItemView& item : items) {
    if (item.separator) {
      insertSeparator(count());
      continue;
    }
    addItem((item.checked ? QStringLiteral("\u2713 ") : QStringLiteral("    ")) + QString::fromStdWString(item.text));
    if (model != nullptr && !item.enabled) model->item(count() - 1)->setEnabled(false);
  }
  setCurrentIndex(combo_.currentIndex());
  filling_ = false;
  refreshFace();
}

void ProjectComboView::refreshFace() {
  // The room for the text: the face's label area, less the mark the controller accounts for.
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const QRect label = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  face_ = combo_.face(label.width());
  const std::wstring tip = face_.lockTooltip.empty() ? face_.textTooltip : face_.textTooltip + L"\n" + face_.lockTooltip;
  setToolTip(QString::fromStdWString(tip));
  update();
}

void ProjectComboView::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText = QString::fromStdWString(face_.text);
  option.currentIcon = face_.lock != HcLockMark::kNone ? lockIcon(face_.lock) : QIcon();
  option.iconSize = QSize(14, 14);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void ProjectComboView::resizeEvent(QResizeEvent* event) {
  QComboBox::resizeEvent(event);
  refreshFace();
}

}  // namespace vox::studio
