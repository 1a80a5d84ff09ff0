#pragma once
// The recently used projects, most recent first, each path once (ignoring case), at most
// kMaxRecentProjects. Each entry has a state flag: "1" open, "2" open and active, "0" closed.
//
// Kept in the settings store under kRecentProjectsKey: "Count", then for entry i (from 0)
// "Path<i>", "Flag<i>" and "Description<i>.<1..4>".

#include <array>
#include <cstddef>
#include <string>
#include <vector>

class HcSettingsStore;

namespace vox::lispcore {

inline constexpr std::size_t kMaxRecentProjects = 10;

struct RecentProject {
  std::wstring path;
  std::wstring flag;
  std::array<std::wstring, 4> descriptions;
};

class RecentProjectList {
 public:
  // The list as stored; entries without a path, repeats and those past the limit are dropped.
  static RecentProjectList load(const HcSettingsStore& store);
  // Writes the list and removes the values of entries no longer held.
  bool save(HcSettingsStore& store) const;

  // Puts the project first with flag "1" (open) or "2" (open and active: the others' "2" become
  // "1"). Descriptions, when given, replace the stored ones.
  void opened(const std::wstring& path, bool active, const std::array<std::wstring, 4>* descriptions);
  // Keeps the project where it is with flag "0"; a project not yet listed goes first.
  void closed(const std::wstring& path);
  void remove(const std::wstring& path);

  const std::vector<RecentProject>& entries() const { return entries_; }

 private:
  std::vector<RecentProject>::iterator find(const std::wstring& path);
  RecentProject& moveToFront(const std::wstring& path);
  void trim();

  std::vector<RecentProject> entries_;
};

}  // namespace vox::lispcore
