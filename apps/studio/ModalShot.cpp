#include "ModalShot.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMenu>
#include <QPixmap>
#include <QTimer>

namespace vox::studio {

bool isModalWindow(const QWidget& widget) {
  if (!widget.isWindow()) return false;
  if (qobject_cast<const QMenu*>(&widget) != nullptr) return true;
  return qobject_cast<const QDialog*>(&widget) != nullptr && widget.windowModality() != Qt::NonModal;
}

ModalShot::ModalShot(QString path) : path_(std::move(path)) {
  qApp->installEventFilter(this);
}

ModalShot::~ModalShot() { qApp->removeEventFilter(this); }

bool ModalShot::eventFilter(QObject* watched, QEvent* event) {
  if (seen_ || event->type() != QEvent::Show || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (!isModalWindow(*widget)) return false;
  seen_ = true;
  // The window's layout requests are posted with its showing; they run before this.
  QTimer::singleShot(0, this, [this, window = QPointer<QWidget>(widget)] { shoot(window); });
  return false;
}

void ModalShot::shoot(const QPointer<QWidget>& window) {
  if (window != nullptr) {
    saved_ = window->grab().save(path_, "PNG");
    if (auto* dialog = qobject_cast<QDialog*>(window.data()))
      dialog->reject();
    else
      window->close();
  }
  taken_ = true;
}

}  // namespace vox::studio
