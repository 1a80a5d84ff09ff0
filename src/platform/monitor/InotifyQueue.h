#pragma once
// An inotify instance (non-blocking, closed on exec) that watches folders for the changes the
// monitor reports: entries created, deleted, written, closed after writing, changed in their
// attributes, moved in or out, and the folder itself going away.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vox::monitor {

struct InotifyEvent {
  int wd = -1;
  std::uint32_t mask = 0;
  std::uint32_t cookie = 0;
  std::string name;  // the entry's native name; empty for an event of the folder itself
};

class InotifyQueue {
 public:
  // Null when the kernel offers no inotify instance (then everything is polled).
  static std::unique_ptr<InotifyQueue> open();
  ~InotifyQueue();
  InotifyQueue(const InotifyQueue&) = delete;
  InotifyQueue& operator=(const InotifyQueue&) = delete;

  int fd() const { return fd_; }
  // The watch descriptor of the folder, or -1 (no such folder, no permission, no watches left).
  int watchFolder(const std::string& native);
  void unwatch(int wd);
  // Every event queued now, in order; empty when none is.
  std::vector<InotifyEvent> readAll();

 private:
  explicit InotifyQueue(int fd) : fd_(fd) {}
  int fd_;
};

}  // namespace vox::monitor
