#pragma once
// What the file monitor's callbacks are handed to: a change of a watched path with its code,
// and a rename.

#include <cstdint>
#include <string>

class VoxPrmMonitorReceiver {
 public:
  virtual ~VoxPrmMonitorReceiver() = default;
  virtual void onMonitorFileChanged(const std::wstring& path, std::int32_t code) = 0;
  virtual void onMonitorFileRenamed(const std::wstring& oldPath, const std::wstring& newPath) = 0;
};
