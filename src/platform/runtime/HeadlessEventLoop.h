#pragma once
// The reference host's main loop. With the manual clock time moves only by `advance`, so tests
// see "100 ms after the last notification" exactly; with the real clock `runOnce` waits on the
// file descriptors and the next timer. Callbacks may post, arm and kill timers while they run.
// `post` may be called from any thread; everything else runs on the main thread.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

#include "host/HcEventLoop.h"

namespace vox::runtime {

class HeadlessEventLoop : public HcEventLoop {
 public:
  enum class Clock { kReal, kManual };
  explicit HeadlessEventLoop(Clock clock);
  ~HeadlessEventLoop() override;
  HeadlessEventLoop(const HeadlessEventLoop&) = delete;
  HeadlessEventLoop& operator=(const HeadlessEventLoop&) = delete;

  void post(std::function<void()> fn) override;
  void setTimer(const void* window, unsigned id, unsigned ms, bool periodic, std::function<void()> onTimer) override;
  bool killTimer(const void* window, unsigned id) override;
  void killTimers(const void* window) override;
  std::uint64_t watchFd(int fd, std::function<void()> onReadable) override;
  void unwatchFd(std::uint64_t watchId) override;
  std::int64_t nowMs() const override;
  void processPending() override { runOnce(0); }

  // Runs the posted callbacks (and those they post) and the timers that are due; the count run.
  std::size_t runPending();
  // Manual clock: moves time on by `ms`, firing due timers in the order they fall due (ties in
  // the order they were armed), with posted callbacks run between them.
  void advance(std::int64_t ms);
  // Real clock: waits at most `timeoutMs` for a readable descriptor or a due timer, then runs
  // what is ready. The manual clock runs what is pending and does not wait.
  void runOnce(int timeoutMs);

  bool isTimerArmed(const void* window, unsigned id) const;
  std::size_t armedTimerCount() const { return timers_.size(); }

 private:
  struct Timer {
    const void* window;
    unsigned id;
    std::int64_t due;
    unsigned interval;
    bool periodic;
    std::uint64_t sequence;
    std::function<void()> fn;
  };

  std::size_t runPosted();
  // Fires the earliest timer due at or before `until`; false when none is.
  bool fireNextTimer(std::int64_t until);
  std::vector<Timer>::iterator findTimer(const void* window, unsigned id);
  int pollTimeout(int timeoutMs) const;
  void wake();

  Clock clock_;
  std::int64_t manualNow_ = 0;
  std::vector<Timer> timers_;
  std::uint64_t nextSequence_ = 0;
  mutable std::mutex postedMutex_;
  std::deque<std::function<void()>> posted_;
  std::map<std::uint64_t, std::pair<int, std::function<void()>>> watches_;
  std::uint64_t nextWatch_ = 1;
  int wakeFds_[2] = {-1, -1};
};

}  // namespace vox::runtime
