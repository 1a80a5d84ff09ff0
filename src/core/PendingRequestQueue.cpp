#include "core/PendingRequestQueue.h"

#include <optional>

namespace vox::core {

void PendingRequestQueue::enqueue(PendingRequest request) {
  const std::lock_guard lock(mutex_);
  queue_.push_back(std::move(request));
}

bool PendingRequestQueue::empty() const {
  const std::lock_guard lock(mutex_);
  return queue_.empty();
}

std::size_t PendingRequestQueue::size() const {
  const std::lock_guard lock(mutex_);
  return queue_.size();
}

void PendingRequestQueue::workOff(const std::function<void(const PendingRequest&)>& run) {
  {
    const std::lock_guard lock(mutex_);
    if (processing_) return;
    processing_ = true;
  }
  struct WalkDone {  // clears the flag however the walk ends
    PendingRequestQueue& queue;
    ~WalkDone() {
      const std::lock_guard lock(queue.mutex_);
      queue.processing_ = false;
    }
  } done{*this};
  for (;;) {
    std::optional<PendingRequest> next;
    {
      const std::lock_guard lock(mutex_);
      if (queue_.empty()) break;
      next = std::move(queue_.front());
      queue_.pop_front();
    }
    run(*next);
  }
}

}  // namespace vox::core
