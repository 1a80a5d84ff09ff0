#include "projectfile/ProjectFolderPaths.h"

#include "platform/os/CaseMapping.h"
#include "platform/os/WinPath.h"

namespace vox::projectfile {
namespace {

// True when no component of `p` is empty, "." or "..", so joining needs no canonicalisation.
bool hasOnlyPlainComponents(std::wstring_view p) {
  if (p.empty()) return false;
  std::size_t start = 0;
  while (start <= p.size()) {
    std::size_t end = p.find(L'\\', start);
    if (end == std::wstring_view::npos) end = p.size();
    const std::wstring_view c = p.substr(start, end - start);
    if (c.empty() || c == L"." || c == L"..") return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

ProjectFolderPaths::ProjectFolderPaths(std::wstring folder)
    : folder_(std::move(folder)),
      folderIsCanonical_(!folder_.empty() && !os::isRelative(folder_) && os::canonicalize(folder_) == folder_) {}

bool ProjectFolderPaths::relativeToAbsolute(std::wstring& path) const {
  if (folderIsCanonical_ && os::isRelative(path) && hasOnlyPlainComponents(path)) {
    const bool rootOnly = folder_.back() == L'\\';
    const std::size_t size = folder_.size() + (rootOnly ? 0 : 1) + path.size();
    if (size >= os::kMaxPath) return false;
    std::wstring joined;
    joined.reserve(size);
    joined += folder_;
    if (!rootOnly) joined += L'\\';
    joined += path;
    path = std::move(joined);
    return true;
  }
  std::optional<std::wstring> joined = os::combine(folder_, path);
  if (!joined) return false;
  path = std::move(*joined);
  return true;
}

bool ProjectFolderPaths::absoluteToRelative(std::wstring& path) const {
  // The common case: a file below the folder, written plainly.
  if (folderIsCanonical_ && folder_.back() != L'\\' && path.size() > folder_.size() + 1 &&
      path[folder_.size()] == L'\\' && os::istartsWith(path, folder_)) {
    const std::wstring_view rest = std::wstring_view(path).substr(folder_.size() + 1);
    if (hasOnlyPlainComponents(rest)) {
      path = std::wstring(rest);
      return true;
    }
  }
  std::optional<std::wstring> relative = os::relativePathTo(folder_, path);
  if (!relative) return false;
  path = std::move(*relative);
  return true;
}

}  // namespace vox::projectfile
