#include "platform/monitor/FolderEvents.h"

#include <sys/inotify.h>

#include <algorithm>
#include <set>

#include "host/HcFileMonitor.h"

namespace vox::monitor {

namespace {

struct PendingMove {
  std::uint32_t cookie;
  std::string folder;
  std::string name;
};

class Translator {
 public:
  explicit Translator(WatchList& list) : list_(list) {}

  void handle(const InotifyEvent& e) {
    if ((e.mask & IN_Q_OVERFLOW) != 0) {
      out_.overflowed = true;
      return;
    }
    const std::string* folder = list_.folderOfWd(e.wd);
    if (folder == nullptr) return;  // a watch already given up
    if ((e.mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_UNMOUNT)) != 0) {
      loseFolder(*folder, e.wd);
      return;
    }
    if (e.name.empty()) return;
    if ((e.mask & IN_MOVED_FROM) != 0) {
      moves_.push_back({e.cookie, *folder, e.name});
      return;
    }
    if ((e.mask & IN_MOVED_TO) != 0) {
      movedIn(*folder, e.name, e.cookie);
      return;
    }
    if (WatchedFile* file = list_.findIn(*folder, e.name)) changed(*file, e.mask);
  }

  FolderEventsOutcome finish() {
    for (const PendingMove& move : moves_) {  // moved to a folder that is not watched
      if (WatchedFile* file = list_.findIn(move.folder, move.name)) gone(*file);
    }
    for (WatchedFile* file : touched_) {
      if (list_.find(file->path) == file) file->last = takeSnapshot(file->native);
    }
    dropRepeats(out_.notifications);
    return std::move(out_);
  }

 private:
  void emit(const std::wstring& path, std::int32_t code) { out_.notifications.push_back(Notification::changed(path, code)); }

  void changed(WatchedFile& file, std::uint32_t mask) {
    touched_.insert(&file);
    if ((mask & IN_CREATE) != 0) {
      file.last.exists = true;
      emit(file.path, kHcFileCreated);
    } else if ((mask & IN_DELETE) != 0) {
      gone(file);
    } else if ((mask & IN_MODIFY) != 0) {
      if (!file.writing) emit(file.path, kHcFileContentChanged);
      file.writing = true;
    } else if ((mask & IN_CLOSE_WRITE) != 0) {
      file.writing = false;
      emit(file.path, kHcFileContentChanged);
    } else if ((mask & IN_ATTRIB) != 0) {
      const FileSnapshot now = takeSnapshot(file.native);
      if (const auto code = readOnlyChange(file.last, now)) emit(file.path, *code);
      file.last.readOnly = now.readOnly;
    }
  }

  void gone(WatchedFile& file) {
    touched_.insert(&file);
    file.last.exists = false;
    file.writing = false;
    emit(file.path, kHcFileDeleted);
  }

  void movedIn(const std::string& folder, const std::string& name, std::uint32_t cookie) {
    WatchedFile* target = list_.findIn(folder, name);
    const auto from = std::find_if(moves_.begin(), moves_.end(), [cookie](const PendingMove& m) { return m.cookie == cookie; });
    if (from != moves_.end()) {
      WatchedFile* source = list_.findIn(from->folder, from->name);
      if (source != nullptr || target != nullptr) {
        out_.notifications.push_back(Notification::renamed(list_.pathOf(from->folder, from->name), list_.pathOf(folder, name)));
      }
      if (source != nullptr) {
        touched_.insert(source);
        source->last.exists = false;
        source->writing = false;
      }
      moves_.erase(from);
    }
    if (target == nullptr) return;
    touched_.insert(target);
    const FileSnapshot now = takeSnapshot(target->native);
    emit(target->path, target->last.exists ? kHcFileContentChanged : kHcFileCreated);
    if (const auto code = readOnlyChange(target->last, now)) emit(target->path, *code);
    target->last = now;
    target->last.exists = true;
    target->writing = false;
  }

  void loseFolder(const std::string& folder, int wd) {
    for (WatchedFile* file : list_.filesIn(folder))
      if (file->last.exists) gone(*file);
    WatchedFolder& record = list_.folders().at(folder);
    record.wd = -1;
    record.mode = FolderMode::kMissing;
    out_.lostWatches.push_back(wd);
  }

  WatchList& list_;
  FolderEventsOutcome out_;
  std::vector<PendingMove> moves_;
  std::set<WatchedFile*> touched_;
};

}  // namespace

void dropRepeats(std::vector<Notification>& notifications) {
  notifications.erase(std::unique(notifications.begin(), notifications.end()), notifications.end());
}

FolderEventsOutcome translateFolderEvents(const std::vector<InotifyEvent>& events, WatchList& list) {
  Translator translator(list);
  for (const InotifyEvent& e : events) translator.handle(e);
  return translator.finish();
}

}  // namespace vox::monitor
