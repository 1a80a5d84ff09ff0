#include "core/PathRepair.h"

#include "platform/os/WinPath.h"

namespace vox::core {
namespace {

// The entry's file name in `folder`; empty when the path would be too long.
std::wstring candidateIn(const std::wstring& folder, const VoxPrmFileDetails& entry) {
  return os::combine(folder, os::fileName(entry.fileName)).value_or(std::wstring());
}

bool absolute(const VoxPrmFileDetails& entry) { return !os::isRelative(entry.fileName); }

}  // namespace

bool allFoundAtPath(const std::vector<VoxPrmFileDetails>& entries, const std::wstring& folder, const FileExists& exists) {
  for (const VoxPrmFileDetails& entry : entries) {
    if (!absolute(entry)) continue;
    const std::wstring candidate = candidateIn(folder, entry);
    if (candidate.empty() || !exists(candidate)) return false;
  }
  return true;
}

bool repairPaths(std::vector<VoxPrmFileDetails>& entries, const std::wstring& folder, const FileExists& exists) {
  bool all = true;
  for (VoxPrmFileDetails& entry : entries) {
    if (!absolute(entry) || exists(entry.fileName)) continue;
    const std::wstring candidate = candidateIn(folder, entry);
    if (!candidate.empty() && exists(candidate)) {
      entry.fileName = candidate;
    } else {
      all = false;
    }
  }
  return all;
}

std::optional<std::size_t> firstMissing(const std::vector<VoxPrmFileDetails>& entries, std::size_t from,
                                        const FileExists& exists) {
  for (std::size_t i = from; i < entries.size(); ++i) {
    if (absolute(entries[i]) && !exists(entries[i].fileName)) return i;
  }
  return std::nullopt;
}

}  // namespace vox::core
