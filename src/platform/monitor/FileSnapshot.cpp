#include "platform/monitor/FileSnapshot.h"

#include <sys/stat.h>

#include "host/HcFileMonitor.h"

namespace vox::monitor {

FileSnapshot takeSnapshot(const std::string& native) {
  struct stat st {};
  if (::stat(native.c_str(), &st) != 0) return {};
  FileSnapshot s;
  s.exists = true;
  s.readOnly = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
  s.device = st.st_dev;
  s.inode = st.st_ino;
  s.size = st.st_size;
  s.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
  return s;
}

std::optional<std::int32_t> readOnlyChange(const FileSnapshot& before, const FileSnapshot& after) {
  if (!before.exists || !after.exists || before.readOnly == after.readOnly) return std::nullopt;
  return after.readOnly ? kHcFileReadOnlyOn : kHcFileReadOnlyOff;
}

std::vector<std::int32_t> changeCodes(const FileSnapshot& before, const FileSnapshot& after) {
  if (before.exists != after.exists) return {after.exists ? kHcFileCreated : kHcFileDeleted};
  if (!after.exists) return {};
  std::vector<std::int32_t> codes;
  if (!before.sameFile(after) || before.size != after.size || before.modifiedNs != after.modifiedNs)
    codes.push_back(kHcFileContentChanged);
  if (const auto readOnly = readOnlyChange(before, after)) codes.push_back(*readOnly);
  return codes;
}

}  // namespace vox::monitor
