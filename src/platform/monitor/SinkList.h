#pragma once
// The sinks connected to a monitor, by cookie. Delivery to a sink that a callback disconnects
// (or connects) during the delivery stays safe: each sink is looked up again before its call.

#include <cstdint>
#include <utility>
#include <vector>

#include "host/HcFileMonitor.h"
#include "platform/monitor/Notification.h"

namespace vox::monitor {

class SinkList {
 public:
  // 0 for a null sink.
  std::uint32_t connect(HcFileMonitorSink* sink);
  bool disconnect(std::uint32_t cookie);
  // To every sink connected now, oldest first.
  void deliver(const Notification& n);

 private:
  HcFileMonitorSink* find(std::uint32_t cookie) const;

  std::vector<std::pair<std::uint32_t, HcFileMonitorSink*>> sinks_;
  std::uint32_t lastCookie_ = 0;
};

}  // namespace vox::monitor
