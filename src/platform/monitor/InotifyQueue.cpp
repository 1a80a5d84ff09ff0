#include "platform/monitor/InotifyQueue.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cstring>

namespace vox::monitor {

namespace {

constexpr std::uint32_t kFolderMask = IN_CREATE | IN_DELETE | IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_MOVED_FROM |
                                      IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_EXCL_UNLINK;

}  // namespace

std::unique_ptr<InotifyQueue> InotifyQueue::open() {
  const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd < 0) return nullptr;
  return std::unique_ptr<InotifyQueue>(new InotifyQueue(fd));
}

InotifyQueue::~InotifyQueue() { ::close(fd_); }

int InotifyQueue::watchFolder(const std::string& native) { return ::inotify_add_watch(fd_, native.c_str(), kFolderMask); }

void InotifyQueue::unwatch(int wd) { ::inotify_rm_watch(fd_, wd); }

std::vector<InotifyEvent> InotifyQueue::readAll() {
  std::vector<InotifyEvent> events;
  alignas(inotify_event) char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n <= 0) break;  // EAGAIN: drained (an error ends the batch the same way)
    for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= n;) {
      inotify_event header;
      std::memcpy(&header, buffer + at, sizeof header);
      const char* name = buffer + at + sizeof(inotify_event);
      events.push_back({header.wd, header.mask, header.cookie, header.len > 0 ? std::string(name, ::strnlen(name, header.len)) : std::string()});
      at += static_cast<ssize_t>(sizeof(inotify_event) + header.len);
    }
  }
  return events;
}

}  // namespace vox::monitor
