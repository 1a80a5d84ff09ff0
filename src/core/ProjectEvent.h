#pragma once
// One project event: an ordered list of subscriptions (receiver, member handler of that
// receiver). A new subscription goes to the front, so a raise calls the most recent first.
// The same pair may be subscribed more than once and is then called once per subscription.
//
// Raising is safe against handlers that change the lists: a raise calls the subscriptions that
// existed when it began, skipping any that were unsubscribed meanwhile (so a receiver that
// unsubscribes in its destructor may be destroyed by an earlier handler); subscriptions added
// during a raise take part from the next raise on.

#include <algorithm>
#include <memory>
#include <vector>

// Base of every object that receives project events.
class VoxPrmProjectEventReceiver {
 public:
  virtual ~VoxPrmProjectEventReceiver() = default;
};

namespace vox::core {

template <typename... Args>
class ProjectEvent {
 public:
  using Handler = void (VoxPrmProjectEventReceiver::*)(Args...);

  template <typename Receiver>
  void subscribe(Receiver* receiver, void (Receiver::*handler)(Args...)) {
    subscriptions_.insert(subscriptions_.begin(),
                          std::make_shared<Subscription>(Subscription{receiver, static_cast<Handler>(handler)}));
  }

  // Removes the first matching subscription in list order; false when there is none.
  template <typename Receiver>
  bool unsubscribe(Receiver* receiver, void (Receiver::*handler)(Args...)) {
    const Handler base = static_cast<Handler>(handler);
    const auto it = std::find_if(subscriptions_.begin(), subscriptions_.end(), [&](const auto& s) {
      return s->receiver == receiver && s->handler == base;
    });
    if (it == subscriptions_.end()) return false;
    (*it)->live = false;
    subscriptions_.erase(it);
    return true;
  }

  void unsubscribeAll(const VoxPrmProjectEventReceiver* receiver) {
    std::erase_if(subscriptions_, [receiver](const auto& s) {
      if (s->receiver != receiver) return false;
      s->live = false;
      return true;
    });
  }

  void raise(Args... args) const {
    const std::vector<std::shared_ptr<Subscription>> current = subscriptions_;
    for (const auto& s : current) {
      if (s->live) (s->receiver->*(s->handler))(args...);
    }
  }

  std::size_t size() const { return subscriptions_.size(); }

 private:
  struct Subscription {
    VoxPrmProjectEventReceiver* receiver;
    Handler handler;
    bool live = true;
  };
  std::vector<std::shared_ptr<Subscription>> subscriptions_;
};

}  // namespace vox::core
