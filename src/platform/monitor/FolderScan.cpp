#include "platform/monitor/FolderScan.h"

#include <algorithm>

namespace vox::monitor {

namespace {

struct Look {
  WatchedFile* file;
  FileSnapshot now;
  bool vanished() const { return file->last.exists && !now.exists; }
  bool appeared() const { return now.exists && (!file->last.exists || !file->last.sameFile(now)); }
};

}  // namespace

std::vector<Notification> scanFolder(WatchList& list, const std::string& folder) {
  std::vector<Look> looks;
  for (WatchedFile* file : list.filesIn(folder)) looks.push_back({file, takeSnapshot(file->native)});

  std::vector<const Look*> renamedAway;
  std::vector<Notification> out;
  for (const Look& look : looks) {
    if (look.appeared()) {
      const auto source = std::find_if(looks.begin(), looks.end(), [&](const Look& other) {
        return other.vanished() && other.file->last.sameFile(look.now);
      });
      if (source != looks.end()) {
        out.push_back(Notification::renamed(source->file->path, look.file->path));
        renamedAway.push_back(&*source);
      }
    }
    for (const std::int32_t code : changeCodes(look.file->last, look.now)) out.push_back(Notification::changed(look.file->path, code));
  }
  std::erase_if(out, [&](const Notification& n) {
    return n.kind == Notification::Kind::kChanged && std::any_of(renamedAway.begin(), renamedAway.end(), [&](const Look* l) {
             return l->file->path == n.path;
           });
  });
  for (Look& look : looks) {
    look.file->last = look.now;
    look.file->writing = false;
  }
  return out;
}

void rememberFolder(WatchList& list, const std::string& folder) {
  for (WatchedFile* file : list.filesIn(folder)) {
    file->last = takeSnapshot(file->native);
    file->writing = false;
  }
}

}  // namespace vox::monitor
