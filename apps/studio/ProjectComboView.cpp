#include "ProjectComboView.h"

#include <QStandardItemModel>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "LockMarkIcon.h"

namespace vox::studio {

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
  option.currentIcon = face_.lock != HcLockMark::kNone ? QIcon(lockPixmap(face_.lock)) : QIcon();
  option.iconSize = QSize(14, 14);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void ProjectComboView::resizeEvent(QResizeEvent* event) {
  QComboBox::resizeEvent(event);
  refreshFace();
}

}  // namespace vox::studio
