#pragma once
// One callback the monitor owes its sinks: "FileChanged"(path, code) or "FileRenamed"(old, new).

#include <cstdint>
#include <string>
#include <utility>

namespace vox::monitor {

struct Notification {
  enum class Kind { kChanged, kRenamed };
  Kind kind = Kind::kChanged;
  std::wstring path;     // the changed path, or the old path of a rename
  std::wstring newPath;  // the new path of a rename
  std::int32_t code = 0;

  static Notification changed(std::wstring path, std::int32_t code) {
    return {Kind::kChanged, std::move(path), {}, code};
  }
  static Notification renamed(std::wstring oldPath, std::wstring newPath) {
    return {Kind::kRenamed, std::move(oldPath), std::move(newPath), 0};
  }
  bool operator==(const Notification&) const = default;
};

}  // namespace vox::monitor
