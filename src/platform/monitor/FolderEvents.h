#pragma once
// Turns a batch of inotify folder events into the callbacks owed for the watched paths:
//   created, deleted: 1, 2;  written: 0 at the first write and again at the close after writing;
//   attributes changed: 4 / 5 when the write permission went / came back;
//   renamed (both names in watched folders): "FileRenamed"(old, new) when either side is watched,
//   followed for a watched new side by 0 (an atomic save over it) or 1 (it did not exist);
//   moved in from elsewhere: 0 or 1 alike; moved out to elsewhere: 2;
//   folder removed or moved away: 2 for each watched path in it that existed.
// Repeats of the same callback next to each other are sent once.

#include <string>
#include <vector>

#include "platform/monitor/InotifyQueue.h"
#include "platform/monitor/Notification.h"
#include "platform/monitor/WatchList.h"

namespace vox::monitor {

struct FolderEventsOutcome {
  std::vector<Notification> notifications;
  // Folders whose watch ended (removed, moved, unmounted): now missing, their old watch
  // descriptors to release.
  std::vector<int> lostWatches;
  bool overflowed = false;  // events were lost: every folder must be compared with disk
};

// Updates what the list remembers of the watched files it reports on.
FolderEventsOutcome translateFolderEvents(const std::vector<InotifyEvent>& events, WatchList& list);

// Drops each notification equal to the one before it.
void dropRepeats(std::vector<Notification>& notifications);

}  // namespace vox::monitor
