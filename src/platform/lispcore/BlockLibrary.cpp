#include "platform/lispcore/BlockLibrary.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/os/CaseMapping.h"
#include "platform/os/NativePath.h"

namespace vox::lispcore {
namespace {

namespace fs = std::filesystem;

struct Listing {
  std::vector<fs::path> files;
  std::vector<fs::path> folders;  // not links
};

// The folder's entries in name order; empty when it cannot be read.
Listing list(const fs::path& folder) {
  Listing listing;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::directory_entry& entry = *it;
    std::error_code kindError;
    if (entry.is_regular_file(kindError)) {
      listing.files.push_back(entry.path());
    } else if (entry.is_directory(kindError) && !entry.is_symlink(kindError)) {
      listing.folders.push_back(entry.path());
    }
  }
  std::sort(listing.files.begin(), listing.files.end());
  std::sort(listing.folders.begin(), listing.folders.end());
  return listing;
}

std::wstring nameOf(const fs::path& path) { return os::decodeFileName(path.filename().native()); }

}  // namespace

std::optional<std::string> findInFolder(const std::string& folder, const NameMatch& match, bool wantFolder) {
  if (folder.empty()) return std::nullopt;
  const Listing listing = list(folder);
  for (const fs::path& path : wantFolder ? listing.folders : listing.files)
    if (match(nameOf(path))) return path.native();
  return std::nullopt;
}

std::optional<std::string> findFileBelow(const std::string& folder, const std::wstring& fileName) {
  if (folder.empty()) return std::nullopt;
  std::vector<fs::path> level{folder};
  std::size_t searched = 0;
  while (!level.empty() && searched < kMaxSearchedFolders) {
    std::vector<fs::path> next;
    for (const fs::path& current : level) {
      if (++searched > kMaxSearchedFolders) break;
      Listing listing = list(current);
      for (const fs::path& path : listing.files)
        if (os::iequals(nameOf(path), fileName)) return path.native();
      next.insert(next.end(), listing.folders.begin(), listing.folders.end());
    }
    level = std::move(next);
  }
  return std::nullopt;
}

}  // namespace vox::lispcore
