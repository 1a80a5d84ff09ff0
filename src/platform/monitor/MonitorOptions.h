#pragma once
// How the file monitor service watches: the polling interval, and folders that are polled even
// where inotify would work (so tests and odd mounts can use polling). Folders on network file
// systems are always polled.

#include <string>
#include <string_view>
#include <vector>

namespace vox::monitor {

struct MonitorOptions {
  unsigned pollIntervalMs = 1000;
  // Native folders polled together with everything below them; "/" polls every folder.
  std::vector<std::string> pollFolders;

  // The defaults, changed by VOXFOLIO_MONITOR_POLL (folders separated by ':') and
  // VOXFOLIO_MONITOR_POLL_MS (a positive number of milliseconds).
  static MonitorOptions fromEnvironment();

  // True when `folder` (native) is one of `pollFolders` or lies below one.
  bool forcesPolling(std::string_view folder) const;
};

}  // namespace vox::monitor
