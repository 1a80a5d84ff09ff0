#include "platform/runtime/HeadlessEventLoop.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace vox::runtime {

HeadlessEventLoop::HeadlessEventLoop(Clock clock) : clock_(clock) {
  if (clock_ == Clock::kReal && ::pipe2(wakeFds_, O_CLOEXEC | O_NONBLOCK) != 0) wakeFds_[0] = wakeFds_[1] = -1;
}

HeadlessEventLoop::~HeadlessEventLoop() {
  for (const int fd : wakeFds_)
    if (fd >= 0) ::close(fd);
}

void HeadlessEventLoop::post(std::function<void()> fn) {
  {
    const std::lock_guard<std::mutex> lock(postedMutex_);
    posted_.push_back(std::move(fn));
  }
  wake();
}

void HeadlessEventLoop::wake() {
  if (wakeFds_[1] < 0) return;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(wakeFds_[1], &byte, 1);
}

std::vector<HeadlessEventLoop::Timer>::iterator HeadlessEventLoop::findTimer(const void* window, unsigned id) {
  return std::find_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.window == window && t.id == id; });
}

void HeadlessEventLoop::setTimer(const void* window, unsigned id, unsigned ms, bool periodic,
                                 std::function<void()> onTimer) {
  killTimer(window, id);
  timers_.push_back(Timer{window, id, nowMs() + ms, ms == 0 ? 1u : ms, periodic, nextSequence_++, std::move(onTimer)});
}

bool HeadlessEventLoop::killTimer(const void* window, unsigned id) {
  const auto it = findTimer(window, id);
  if (it == timers_.end()) return false;
  timers_.erase(it);
  return true;
}

void HeadlessEventLoop::killTimers(const void* window) {
  std::erase_if(timers_, [&](const Timer& t) { return t.window == window; });
}

bool HeadlessEventLoop::isTimerArmed(const void* window, unsigned id) const {
  return std::any_of(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.window == window && t.id == id; });
}

std::uint64_t HeadlessEventLoop::watchFd(int fd, std::function<void()> onReadable) {
  const std::uint64_t id = nextWatch_++;
  watches_[id] = {fd, std::move(onReadable)};
  return id;
}

void HeadlessEventLoop::unwatchFd(std::uint64_t watchId) { watches_.erase(watchId); }

std::int64_t HeadlessEventLoop::nowMs() const {
  if (clock_ == Clock::kManual) return manualNow_;
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::size_t HeadlessEventLoop::runPosted() {
  std::size_t count = 0;
  for (;;) {
    std::function<void()> fn;
    {
      const std::lock_guard<std::mutex> lock(postedMutex_);
      if (posted_.empty()) return count;
      fn = std::move(posted_.front());
      posted_.pop_front();
    }
    fn();
    ++count;
  }
}

bool HeadlessEventLoop::fireNextTimer(std::int64_t until) {
  const auto next = std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) {
    return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
  });
  if (next == timers_.end() || next->due > until) return false;
  if (clock_ == Clock::kManual) manualNow_ = std::max(manualNow_, next->due);
  std::function<void()> fn = next->fn;  // the callback may re-arm or kill its own timer
  if (next->periodic) {
    next->due += next->interval;
    next->sequence = nextSequence_++;
  } else {
    timers_.erase(next);
  }
  fn();
  return true;
}

std::size_t HeadlessEventLoop::runPending() {
  std::size_t count = runPosted();
  const std::int64_t now = nowMs();
  while (fireNextTimer(now)) count += 1 + runPosted();
  return count;
}

void HeadlessEventLoop::advance(std::int64_t ms) {
  const std::int64_t target = manualNow_ + std::max<std::int64_t>(ms, 0);
  runPosted();
  while (fireNextTimer(target)) runPosted();
  manualNow_ = target;
  runPosted();
}

int HeadlessEventLoop::pollTimeout(int timeoutMs) const {
  {
    const std::lock_guard<std::mutex> lock(postedMutex_);
    if (!posted_.empty()) return 0;
  }
  std::int64_t timeout = timeoutMs;
  for (const Timer& t : timers_) timeout = std::min<std::int64_t>(timeout, std::max<std::int64_t>(t.due - nowMs(), 0));
  return static_cast<int>(timeout);
}

void HeadlessEventLoop::runOnce(int timeoutMs) {
  if (clock_ == Clock::kManual) {
    runPending();
    return;
  }
  std::vector<pollfd> fds;
  std::vector<std::uint64_t> ids;
  if (wakeFds_[0] >= 0) fds.push_back({wakeFds_[0], POLLIN, 0});
  for (const auto& [id, watch] : watches_) {
    fds.push_back({watch.first, POLLIN, 0});
    ids.push_back(id);
  }
  const int ready = ::poll(fds.data(), fds.size(), pollTimeout(timeoutMs));
  if (ready > 0) {
    const std::size_t first = wakeFds_[0] >= 0 ? 1 : 0;
    if (first == 1 && (fds[0].revents & POLLIN) != 0) {
      char drain[64];
      while (::read(wakeFds_[0], drain, sizeof drain) > 0) {
      }
    }
    for (std::size_t i = first; i < fds.size(); ++i) {
      if ((fds[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
      const auto it = watches_.find(ids[i - first]);
      if (it == watches_.end()) continue;  // ended by an earlier callback
      std::function<void()> fn = it->second.second;
      fn();
    }
  }
  runPending();
}

}  // namespace vox::runtime
