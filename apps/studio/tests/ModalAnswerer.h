#pragma once
// Answers modal dialogs without blocking the test: a timer looks for the active modal widget
// and applies the next queued action to each new one it finds. The actions record what they
// saw; the test reads it after the command that asked has finished.

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
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
  // Dialogs that stayed open after their action and had to be rejected.
  int stuck() const { return stuck_; }

 private:
  void tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || actions_.empty()) return;
    // A new dialog may take the old one's address, so each is marked once answered.
    if (modal->property("answered").toBool()) {
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
  std::deque<Action> actions_;
};

}  // namespace vox::studio::test
