#pragma once
// The monitor's watch list: each watched path (module form, keyed ignoring case) with its native
// form and what was last seen of it, grouped by native folder. A folder carries how it is
// watched; its record lives while a watched path is in it.

#include <map>
#include <string>
#include <vector>

#include "platform/monitor/FileSnapshot.h"

namespace vox::monitor {

struct WatchedFile {
  std::wstring path;   // as added (canonicalised)
  std::string native;
  std::string folder;  // native folder
  std::string name;    // native name in the folder
  FileSnapshot last;
  bool writing = false;  // written since the last close after writing
};

enum class FolderMode {
  kIdle,     // the service is stopped
  kInotify,  // an inotify watch reports its changes
  kPolled,   // a network file system, forced polling, or no inotify watch to be had
  kMissing,  // not there: looked for at each poll
};

struct WatchedFolder {
  std::wstring path;  // module form, for names in it that are not watched
  FolderMode mode = FolderMode::kIdle;
  int wd = -1;
};

class WatchList {
 public:
  enum class Added { kNew, kPresent, kRefused };
  // Refused: a relative path, or one without a native form. A new path's folder gets a record
  // (mode idle) when it had none.
  Added add(const std::wstring& path);
  // False when not watched. When it was the folder's last path, the folder's record is handed
  // to `emptied` (if given) and dropped.
  bool remove(const std::wstring& path, WatchedFolder* emptied = nullptr);

  bool contains(const std::wstring& path) const;
  WatchedFile* find(const std::wstring& path);
  // The watched file of that native name in that folder, ignoring case; null when none.
  WatchedFile* findIn(const std::string& folder, const std::string& name);
  std::vector<WatchedFile*> filesIn(const std::string& folder);
  std::vector<WatchedFile*> allFiles();

  // The watched spelling of the entry, or the folder's module path and the decoded name.
  std::wstring pathOf(const std::string& folder, const std::string& name);

  std::map<std::string, WatchedFolder>& folders() { return folders_; }
  const std::map<std::string, WatchedFolder>& folders() const { return folders_; }
  // The native folder watched by `wd`, or null.
  const std::string* folderOfWd(int wd) const;

 private:
  std::map<std::wstring, WatchedFile> files_;  // key: upper-cased path
  std::map<std::string, WatchedFolder> folders_;
};

}  // namespace vox::monitor
