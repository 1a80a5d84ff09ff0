#pragma once
// Compares the watched files of one folder with what is on disk now (polling, a folder that came
// back, lost inotify events) and says what changed since the last look: created, deleted,
// content changed (another file, size or modification time), read-only on / off. A watched file
// that vanished while another watched file of the folder took over its inode was renamed:
// "FileRenamed"(old, new) replaces the deletion.

#include <string>
#include <vector>

#include "platform/monitor/Notification.h"
#include "platform/monitor/WatchList.h"

namespace vox::monitor {

// Updates what the list remembers of the folder's files.
std::vector<Notification> scanFolder(WatchList& list, const std::string& folder);

// Takes what is on disk as the new baseline, reporting nothing.
void rememberFolder(WatchList& list, const std::string& folder);

}  // namespace vox::monitor
