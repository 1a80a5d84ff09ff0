#include "platform/monitor/SinkList.h"

#include <algorithm>

namespace vox::monitor {

std::uint32_t SinkList::connect(HcFileMonitorSink* sink) {
  if (sink == nullptr) return 0;
  if (++lastCookie_ == 0) ++lastCookie_;
  sinks_.emplace_back(lastCookie_, sink);
  return lastCookie_;
}

bool SinkList::disconnect(std::uint32_t cookie) {
  return std::erase_if(sinks_, [cookie](const auto& s) { return s.first == cookie; }) > 0;
}

HcFileMonitorSink* SinkList::find(std::uint32_t cookie) const {
  const auto it = std::find_if(sinks_.begin(), sinks_.end(), [cookie](const auto& s) { return s.first == cookie; });
  return it != sinks_.end() ? it->second : nullptr;
}

void SinkList::deliver(const Notification& n) {
  std::vector<std::uint32_t> cookies;
  for (const auto& s : sinks_) cookies.push_back(s.first);
  for (const std::uint32_t cookie : cookies) {
    HcFileMonitorSink* sink = find(cookie);
    if (sink == nullptr) continue;
    if (n.kind == Notification::Kind::kRenamed) {
      sink->FileRenamed(n.path, n.newPath);
    } else {
      sink->FileChanged(n.path, n.code);
    }
  }
}

}  // namespace vox::monitor
