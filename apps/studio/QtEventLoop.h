#pragma once
// The host's main loop on Qt's event loop: posted callbacks are queued invocations on this
// object, timers are Qt timers of this object keyed by (window, id), and file-descriptor watches
// are QSocketNotifiers. The file monitor, the re-read delay and the palette's timers thus run
// between the widgets' events, on the main thread. `post` may be called from any thread.

#include <QObject>

#include <map>
#include <memory>
#include <utility>

#include "host/HcEventLoop.h"

class QSocketNotifier;

namespace vox::studio {

class QtEventLoop : public QObject, public HcEventLoop {
 public:
  QtEventLoop();
  ~QtEventLoop() override;
  QtEventLoop(const QtEventLoop&) = delete;
  QtEventLoop& operator=(const QtEventLoop&) = delete;

  void post(std::function<void()> fn) override;
  void setTimer(const void* window, unsigned id, unsigned ms, bool periodic, std::function<void()> onTimer) override;
  bool killTimer(const void* window, unsigned id) override;
  void killTimers(const void* window) override;
  std::uint64_t watchFd(int fd, std::function<void()> onReadable) override;
  void unwatchFd(std::uint64_t watchId) override;
  std::int64_t nowMs() const override;
  // Qt's pending events except user input, so no click arrives in the middle of an operation.
  void processPending() override;

  bool isTimerArmed(const void* window, unsigned id) const;

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  using TimerKey = std::pair<const void*, unsigned>;
  struct Timer {
    int qtId;
    bool periodic;
    std::function<void()> fn;
  };

  std::map<TimerKey, Timer>::iterator findByQtId(int qtId);

  std::map<TimerKey, Timer> timers_;
  std::map<std::uint64_t, std::unique_ptr<QSocketNotifier>> watches_;
  std::uint64_t nextWatch_ = 1;
};

}  // namespace vox::studio
