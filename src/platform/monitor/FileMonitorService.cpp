#include "platform/monitor/FileMonitorService.h"

#include <utility>

#include "platform/monitor/FileSnapshot.h"
#include "platform/monitor/FolderEvents.h"
#include "platform/monitor/FolderScan.h"
#include "platform/monitor/NetworkFileSystem.h"

namespace vox::monitor {

namespace {

bool folderIsThere(const std::string& native) { return takeSnapshot(native + "/.").exists; }

}  // namespace

FileMonitorService::FileMonitorService(HcEventLoop& loop, MonitorOptions options)
    : loop_(loop), options_(std::move(options)) {}

FileMonitorService::~FileMonitorService() { stop(); }

bool FileMonitorService::addPath(const std::wstring& path) {
  const WatchList::Added added = watches_.add(path);
  if (added != WatchList::Added::kNew) return added == WatchList::Added::kPresent;
  if (!running_) return true;
  WatchedFile& file = *watches_.find(path);
  file.last = takeSnapshot(file.native);
  WatchedFolder& folder = watches_.folders().at(file.folder);
  if (folder.mode == FolderMode::kIdle) establish(file.folder, folder);
  updatePollTimer();
  return true;
}

bool FileMonitorService::removePath(const std::wstring& path) {
  WatchedFolder emptied;
  if (!watches_.remove(path, &emptied)) return false;
  release(emptied);
  updatePollTimer();
  return true;
}

void FileMonitorService::start() {
  if (running_) return;
  running_ = true;
  inotify_ = InotifyQueue::open();
  if (inotify_) fdWatch_ = loop_.watchFd(inotify_->fd(), [this] { onInotifyReadable(); });
  for (auto& [native, folder] : watches_.folders()) {
    establish(native, folder);
    rememberFolder(watches_, native);
  }
  updatePollTimer();
}

void FileMonitorService::stop() {
  if (!running_) return;
  running_ = false;
  if (polling_) loop_.killTimer(this, kPollTimer);
  polling_ = false;
  if (inotify_) loop_.unwatchFd(fdWatch_);
  for (auto& [native, folder] : watches_.folders()) {
    folder.mode = FolderMode::kIdle;
    folder.wd = -1;
  }
  inotify_.reset();  // closing the instance ends all its watches
}

FolderMode FileMonitorService::folderMode(const std::string& nativeFolder) const {
  const auto& folders = watches_.folders();
  const auto it = folders.find(nativeFolder);
  return it != folders.end() ? it->second.mode : FolderMode::kIdle;
}

void FileMonitorService::establish(const std::string& native, WatchedFolder& folder) {
  folder.wd = -1;
  if (!folderIsThere(native)) {
    folder.mode = FolderMode::kMissing;
    return;
  }
  folder.mode = FolderMode::kPolled;
  if (!inotify_ || options_.forcesPolling(native) || onNetworkFileSystem(native)) return;
  folder.wd = inotify_->watchFolder(native);
  if (folder.wd >= 0) folder.mode = FolderMode::kInotify;
}

void FileMonitorService::release(WatchedFolder& folder) {
  if (folder.wd >= 0 && inotify_) inotify_->unwatch(folder.wd);
  folder.wd = -1;
  folder.mode = FolderMode::kIdle;
}

void FileMonitorService::onInotifyReadable() {
  if (!running_ || !inotify_) return;
  FolderEventsOutcome outcome = translateFolderEvents(inotify_->readAll(), watches_);
  for (const int wd : outcome.lostWatches) inotify_->unwatch(wd);
  if (outcome.overflowed) {
    for (auto& [native, folder] : watches_.folders()) {
      if (folder.mode != FolderMode::kInotify) continue;
      std::vector<Notification> found = scanFolder(watches_, native);
      outcome.notifications.insert(outcome.notifications.end(), found.begin(), found.end());
    }
  }
  updatePollTimer();
  deliver(outcome.notifications);
}

void FileMonitorService::onPollTick() {
  if (!running_) return;
  std::vector<Notification> found;
  for (auto& [native, folder] : watches_.folders()) {
    if (folder.mode == FolderMode::kMissing) {
      establish(native, folder);  // back: whatever it holds now was created meanwhile
      if (folder.mode == FolderMode::kMissing) continue;
    } else if (folder.mode != FolderMode::kPolled) {
      continue;
    }
    std::vector<Notification> changes = scanFolder(watches_, native);
    found.insert(found.end(), changes.begin(), changes.end());
    if (folder.mode == FolderMode::kPolled && !folderIsThere(native)) folder.mode = FolderMode::kMissing;
  }
  updatePollTimer();
  deliver(found);
}

void FileMonitorService::updatePollTimer() {
  bool needed = false;
  for (const auto& [native, folder] : watches_.folders())
    needed = needed || folder.mode == FolderMode::kPolled || folder.mode == FolderMode::kMissing;
  needed = needed && running_;
  if (needed && !polling_) loop_.setTimer(this, kPollTimer, options_.pollIntervalMs, true, [this] { onPollTick(); });
  if (!needed && polling_) loop_.killTimer(this, kPollTimer);
  polling_ = needed;
}

bool FileMonitorService::stillWatched(const Notification& n) const {
  if (n.kind == Notification::Kind::kRenamed) return watches_.contains(n.path) || watches_.contains(n.newPath);
  return watches_.contains(n.path);
}

void FileMonitorService::deliver(const std::vector<Notification>& notifications) {
  for (const Notification& n : notifications) {
    if (!running_) return;  // a sink stopped the service
    if (stillWatched(n)) sinks_.deliver(n);
  }
}

}  // namespace vox::monitor
