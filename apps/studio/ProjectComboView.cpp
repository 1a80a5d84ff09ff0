#include "ProjectComboView.h"

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStandardItemModel>

#include "host/HcPaletteControllers.h"

namespace vox::studio {
namespace {

// The lock mark: a padlock-grey frame holding a square in the lock state's colour.
QIcon lockIcon(HcLockMark mark) {
  static const QColor kColours[] = {QColor(), QColor(127, 255, 127), QColor(255, 79, 79), QColor(255, 223, 0)};
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
  const HcComboFace face = combo_.face(width());
  setCurrentIndex(combo_.currentIndex());
  if (combo_.currentIndex() < 0) setPlaceholderText(QString::fromStdWString(face.text));
  if (currentIndex() >= 0 && face.lock != HcLockMark::kNone) setItemIcon(currentIndex(), lockIcon(face.lock));
  const std::wstring tip = face.lockTooltip.empty() ? face.textTooltip : face.textTooltip + L"\n" + face.lockTooltip;
  setToolTip(QString::fromStdWString(tip));
  filling_ = false;
}

}  // namespace vox::studio
