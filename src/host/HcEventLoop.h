#pragma once
// The host's main loop: callbacks posted to the main thread, one-shot and periodic timers by id
// on a window, and watches on file descriptors. Everything runs on the main thread.

#include <cstdint>
#include <functional>

class HcEventLoop {
 public:
  virtual ~HcEventLoop() = default;
  // Runs `fn` on the main thread at the loop's next turn, after what was posted before.
  virtual void post(std::function<void()> fn) = 0;
  // (Re)arms timer `id` of `window`: `onTimer` runs `ms` milliseconds from now, once or every
  // `ms` milliseconds. Arming an armed timer restarts it.
  virtual void setTimer(const void* window, unsigned id, unsigned ms, bool periodic, std::function<void()> onTimer) = 0;
  // False when the timer was not armed.
  virtual bool killTimer(const void* window, unsigned id) = 0;
  virtual void killTimers(const void* window) = 0;
  // Runs `onReadable` whenever `fd` can be read; the id ends the watch.
  virtual std::uint64_t watchFd(int fd, std::function<void()> onReadable) = 0;
  virtual void unwatchFd(std::uint64_t watchId) = 0;
  // Runs what is pending now (posted callbacks, ready descriptors, due timers) without waiting,
  // as a long operation does before it goes on, so that the notices it caused are handled first.
  virtual void processPending() = 0;
  // Milliseconds of the loop's clock (real or manual).
  virtual std::int64_t nowMs() const = 0;
};

// The installed loop, or null.
HcEventLoop* hcEventLoop();
