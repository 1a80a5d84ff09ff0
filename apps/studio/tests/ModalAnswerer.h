#pragma once
// Answers modal dialogs without blocking the test: a timer looks for the active modal widget
// and applies the next queued action to each new one it finds. The actions record what they
// saw; the test reads it after the command that asked has finished.

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace vox::studio::test {

class ModalAnswerer {
 public:
  using Action = std::function<void(QWidget* modal)>;

  ModalAnswerer() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    timer_.start();
  }
  void then(Action action) { actions_.push_back(std::move(action)); }
  bool done() const { return actions_.empty(); }
  // Dialogs that stayed open after their action, or came when no action was left, and had to
  // be rejected so that the test ends instead of waiting forever.
  int stuck() const { return stuck_; }
  // The titles and texts of the dialogs that came when no action was left.
  const QStringList& unexpected() const { return unexpected_; }

 private:
  void tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    // A new dialog may take the old one's address, so each is marked once answered.
    if (modal->property("answered").toBool() || actions_.empty()) {
      if (!modal->property("answered").toBool()) {
        modal->setProperty("answered", true);
        answeredAt_ = QDeadlineTimer(kStuckMs);
        const auto* box = qobject_cast<QMessageBox*>(modal);
        unexpected_ << modal->windowTitle() + QStringLiteral(": ") + (box != nullptr ? box->text() : QString());
      }
      if (!answeredAt_.hasExpired()) return;
      ++stuck_;
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      return;
    }
    answeredAt_ = QDeadlineTimer(kStuckMs);
    modal->setProperty("answered", true);
    Action action = std::move(actions_.front());
    actions_.pop_front();
    action(modal);
  }

  static constexpr int kStuckMs = 10000;
  QTimer timer_;
  QDeadlineTimer answeredAt_;
  int stuck_ = 0;
  QStringList unexpected_;
  std::deque<Action> actions_;
};

// Types `path` into a file dialog's name field and accepts, as a user would. (Selecting in the
// list would depend on the folder having been read already, which the dialog does meanwhile.)
// False when the dialog has no name field.
inline bool chooseInFileDialog(QFileDialog* dialog, const QString& path) {
  auto* nameEdit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (nameEdit == nullptr) return false;
  nameEdit->setText(path);
  static_cast<QDialog*>(dialog)->accept();
  return true;
}

}  // namespace vox::studio::test
