#pragma once
// The reference host's file monitor service. Watches the folders of the watched paths, one
// inotify watch per folder shared by the paths in it, and polls (stat, every poll interval)
// folders on network file systems, folders the options force to polling, and folders that are
// missing until they come back. Everything runs on the main loop: the inotify descriptor through
// `watchFd`, polling through a periodic timer. Stopping releases the watches; nothing is
// reported after `stop`, for a path after it is removed, or after destruction.
//
// A polled folder shows no rename whose old name is not watched: the watched new name reports
// 0 or 1 alone.

#include <cstdint>
#include <memory>
#include <string>

#include "host/HcEventLoop.h"
#include "host/HcFileMonitor.h"
#include "platform/monitor/InotifyQueue.h"
#include "platform/monitor/MonitorOptions.h"
#include "platform/monitor/Notification.h"
#include "platform/monitor/SinkList.h"
#include "platform/monitor/WatchList.h"

namespace vox::monitor {

class FileMonitorService final : public HcFileMonitorService {
 public:
  // The loop must outlive the service.
  FileMonitorService(HcEventLoop& loop, MonitorOptions options);
  ~FileMonitorService() override;
  FileMonitorService(const FileMonitorService&) = delete;
  FileMonitorService& operator=(const FileMonitorService&) = delete;

  bool addPath(const std::wstring& path) override;
  bool removePath(const std::wstring& path) override;
  bool isRunning() const override { return running_; }
  void start() override;
  void stop() override;
  std::uint32_t connect(HcFileMonitorSink* sink) override { return sinks_.connect(sink); }
  bool disconnect(std::uint32_t cookie) override { return sinks_.disconnect(cookie); }

  // How a folder (native) is watched now; idle for one that holds no watched path.
  FolderMode folderMode(const std::string& nativeFolder) const;

 private:
  static constexpr unsigned kPollTimer = 1;

  void establish(const std::string& folder, WatchedFolder& record);
  void release(WatchedFolder& record);
  void onInotifyReadable();
  void onPollTick();
  void updatePollTimer();
  void deliver(const std::vector<Notification>& notifications);
  bool stillWatched(const Notification& n) const;

  HcEventLoop& loop_;
  const MonitorOptions options_;
  WatchList watches_;
  SinkList sinks_;
  std::unique_ptr<InotifyQueue> inotify_;  // while running
  std::uint64_t fdWatch_ = 0;
  bool running_ = false;
  bool polling_ = false;
};

}  // namespace vox::monitor
