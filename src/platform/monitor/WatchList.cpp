#include "platform/monitor/WatchList.h"

#include <algorithm>

#include "platform/os/CaseMapping.h"
#include "platform/os/NativePath.h"
#include "platform/os/WinPath.h"

namespace vox::monitor {

namespace {

std::wstring keyOf(const std::wstring& path) { return os::toUpper(os::canonicalize(path)); }

}  // namespace

WatchList::Added WatchList::add(const std::wstring& path) {
  if (path.empty() || os::isRelative(path)) return Added::kRefused;
  const std::wstring canonical = os::canonicalize(path);
  const std::wstring key = os::toUpper(canonical);
  if (files_.contains(key)) return Added::kPresent;
  const std::optional<std::string> native = os::toNative(canonical);
  if (!native || native->empty()) return Added::kRefused;
  const std::size_t slash = native->rfind('/');
  if (slash == std::string::npos || slash + 1 == native->size()) return Added::kRefused;
  WatchedFile file{canonical, *native, slash == 0 ? std::string("/") : native->substr(0, slash), native->substr(slash + 1), {}, false};
  folders_.try_emplace(file.folder, WatchedFolder{os::folderOf(canonical)});
  files_.emplace(key, std::move(file));
  return Added::kNew;
}

bool WatchList::remove(const std::wstring& path, WatchedFolder* emptied) {
  const auto it = files_.find(keyOf(path));
  if (it == files_.end()) return false;
  const std::string folder = it->second.folder;
  files_.erase(it);
  if (filesIn(folder).empty()) {
    const auto f = folders_.find(folder);
    if (emptied != nullptr) *emptied = f->second;
    folders_.erase(f);
  }
  return true;
}

bool WatchList::contains(const std::wstring& path) const { return files_.contains(keyOf(path)); }

WatchedFile* WatchList::find(const std::wstring& path) {
  const auto it = files_.find(keyOf(path));
  return it != files_.end() ? &it->second : nullptr;
}

WatchedFile* WatchList::findIn(const std::string& folder, const std::string& name) {
  const std::wstring wideName = os::decodeFileName(name);
  for (auto& [key, file] : files_)
    if (file.folder == folder && os::iequals(os::decodeFileName(file.name), wideName)) return &file;
  return nullptr;
}

std::vector<WatchedFile*> WatchList::filesIn(const std::string& folder) {
  std::vector<WatchedFile*> found;
  for (auto& [key, file] : files_)
    if (file.folder == folder) found.push_back(&file);
  return found;
}

std::vector<WatchedFile*> WatchList::allFiles() {
  std::vector<WatchedFile*> all;
  for (auto& [key, file] : files_) all.push_back(&file);
  return all;
}

std::wstring WatchList::pathOf(const std::string& folder, const std::string& name) {
  if (const WatchedFile* file = findIn(folder, name)) return file->path;
  const auto f = folders_.find(folder);
  const std::wstring base = f != folders_.end() ? f->second.path : os::fromNative(folder);
  return base + L"\\" + os::decodeFileName(name);
}

const std::string* WatchList::folderOfWd(int wd) const {
  if (wd < 0) return nullptr;
  const auto it = std::find_if(folders_.begin(), folders_.end(), [wd](const auto& f) { return f.second.wd == wd; });
  return it != folders_.end() ? &it->first : nullptr;
}

}  // namespace vox::monitor
