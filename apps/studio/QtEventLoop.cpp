#include "QtEventLoop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QSocketNotifier>
#include <QTimerEvent>

#include <chrono>

namespace vox::studio {

QtEventLoop::QtEventLoop() = default;

QtEventLoop::~QtEventLoop() {
  for (const auto& [key, timer] : timers_) QObject::killTimer(timer.qtId);
}

void QtEventLoop::post(std::function<void()> fn) {
  // Queued invocations on one receiver run in the order they were posted.
  QMetaObject::invokeMethod(this, [fn = std::move(fn)] { fn(); }, Qt::QueuedConnection);
}

void QtEventLoop::setTimer(const void* window, unsigned id, unsigned ms, bool periodic, std::function<void()> onTimer) {
  killTimer(window, id);
  const int qtId = startTimer(std::chrono::milliseconds(ms), Qt::PreciseTimer);
  timers_[{window, id}] = Timer{qtId, periodic, std::move(onTimer)};
}

bool QtEventLoop::killTimer(const void* window, unsigned id) {
  const auto it = timers_.find({window, id});
  if (it == timers_.end()) return false;
  QObject::killTimer(it->second.qtId);
  timers_.erase(it);
  return true;
}

void QtEventLoop::killTimers(const void* window) {
  for (auto it = timers_.begin(); it != timers_.end();) {
    if (it->first.first == window) {
      QObject::killTimer(it->second.qtId);
      it = timers_.erase(it);
    } else {
      ++it;
    }
  }
}

bool QtEventLoop::isTimerArmed(const void* window, unsigned id) const { return timers_.count({window, id}) != 0; }

std::map<QtEventLoop::TimerKey, QtEventLoop::Timer>::iterator QtEventLoop::findByQtId(int qtId) {
  for (auto it = timers_.begin(); it != timers_.end(); ++it)
    if (it->second.qtId == qtId) return it;
  return timers_.end();
}

void QtEventLoop::timerEvent(QTimerEvent* event) {
  const auto it = findByQtId(event->timerId());
  if (it == timers_.end()) return;
  // The callback may arm or kill timers, this one included, so it runs from a copy.
  std::function<void()> fn = it->second.fn;
  if (!it->second.periodic) {
    QObject::killTimer(it->second.qtId);
    timers_.erase(it);
  }
  fn();
}

std::uint64_t QtEventLoop::watchFd(int fd, std::function<void()> onReadable) {
  const std::uint64_t id = nextWatch_++;
  auto notifier = std::make_unique<QSocketNotifier>(static_cast<qintptr>(fd), QSocketNotifier::Read);
  QObject::connect(notifier.get(), &QSocketNotifier::activated, this, [fn = std::move(onReadable)] { fn(); });
  watches_[id] = std::move(notifier);
  return id;
}

void QtEventLoop::unwatchFd(std::uint64_t watchId) {
  const auto it = watches_.find(watchId);
  if (it == watches_.end()) return;
  // The watch may end from its own callback: the notifier goes once its signal has returned.
  it->second->setEnabled(false);
  it->second.release()->deleteLater();
  watches_.erase(it);
}

std::int64_t QtEventLoop::nowMs() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void QtEventLoop::processPending() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace vox::studio
