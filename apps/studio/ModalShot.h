#pragma once
// Takes a picture of the first modal dialog or pop-up menu that opens while it is installed.
// Once that window is shown and laid out, it is saved as a PNG and closed as Cancel (a dialog
// rejected, a menu closed without a choice), so that whatever opened it goes on as if the user
// had cancelled. Later dialogs and menus are left alone. The studio's --shot-modal uses it to
// make pictures of menus and dialogs without a display.

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace vox::studio {

class ModalShot : public QObject {
 public:
  explicit ModalShot(QString path);
  ~ModalShot() override;

  // Whether a dialog or menu was met and closed, and whether its picture was saved.
  bool taken() const { return taken_; }
  bool saved() const { return saved_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void shoot(const QPointer<QWidget>& window);

  QString path_;
  bool seen_ = false;
  bool taken_ = false;
  bool saved_ = false;
};

// Whether `widget` is a window that blocks the user until it goes: a modal dialog (a message
// box too) or a pop-up menu.
bool isModalWindow(const QWidget& widget);

}  // namespace vox::studio
