#include "platform/monitor/MonitorOptions.h"

#include <cstdlib>

namespace vox::monitor {

namespace {

std::vector<std::string> splitFolders(std::string_view list) {
  std::vector<std::string> folders;
  while (!list.empty()) {
    const std::size_t colon = list.find(':');
    const std::string_view item = list.substr(0, colon);
    if (!item.empty()) folders.emplace_back(item);
    if (colon == std::string_view::npos) break;
    list.remove_prefix(colon + 1);
  }
  return folders;
}

}  // namespace

MonitorOptions MonitorOptions::fromEnvironment() {
  MonitorOptions options;
  if (const char* folders = std::getenv("VOXFOLIO_MONITOR_POLL")) options.pollFolders = splitFolders(folders);
  if (const char* ms = std::getenv("VOXFOLIO_MONITOR_POLL_MS")) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(ms, &end, 10);
    if (end != ms && *end == '\0' && value > 0 && value <= 3'600'000) options.pollIntervalMs = static_cast<unsigned>(value);
  }
  return options;
}

bool MonitorOptions::forcesPolling(std::string_view folder) const {
  for (std::string_view prefix : pollFolders) {
    while (prefix.size() > 1 && prefix.back() == '/') prefix.remove_suffix(1);
    if (prefix == "/" || folder == prefix) return true;
    if (folder.size() > prefix.size() && folder.starts_with(prefix) && folder[prefix.size()] == '/') return true;
  }
  return false;
}

}  // namespace vox::monitor
