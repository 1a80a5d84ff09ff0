#pragma once
// What the monitor remembers of a watched file between looks: whether it exists, which file it
// is (device and inode, so a file renamed over it counts as new content), its size and
// modification time, and its read-only state (no write permission bit at all).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vox::monitor {

struct FileSnapshot {
  bool exists = false;
  bool readOnly = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;

  bool sameFile(const FileSnapshot& other) const { return device == other.device && inode == other.inode; }
};

// A look at `native` now (following a symbolic link); a path that cannot be stat'ed does not exist.
FileSnapshot takeSnapshot(const std::string& native);

// The change codes that lead from `before` to `after`, in the order they are reported: created,
// deleted, or content changed followed by a read-only change.
std::vector<std::int32_t> changeCodes(const FileSnapshot& before, const FileSnapshot& after);

// Read-only on / off when both exist and the state differs.
std::optional<std::int32_t> readOnlyChange(const FileSnapshot& before, const FileSnapshot& after);

}  // namespace vox::monitor
