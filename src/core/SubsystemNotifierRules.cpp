#include "core/SubsystemNotifierRules.h"

#include <unordered_map>
#include <unordered_set>

#include "core/ProjectNames.h"
#include "platform/os/CaseMapping.h"

namespace vox::core {
namespace {

constexpr std::size_t kMaxPath = 260;

}  // namespace

int integerSetting(const VoxPrmMiscProjSettings& settings, int index) {
  int value = 0;
  return settings.getValue(index, value) == vox::records::kOk ? value : 0;
}

std::vector<std::pair<std::wstring, bool>> tagLogicVariables(int setting10) {
  return {{L"COMB_TAG_LOGIC", setting10 > 1}, {L"IEC", setting10 != 0}};
}

std::pair<std::wstring, bool> wireNumberVariable(int setting13) { return {L"WNSMODE", setting13 != 0}; }

std::vector<std::wstring> monitorablePaths(const std::vector<VoxPrmFileDetails>& entries, bool upperCased) {
  std::vector<std::wstring> paths;
  for (const VoxPrmFileDetails& entry : entries) {
    if (!entry.isReference) paths.push_back(upperCased ? os::toUpper(entry.fileName) : entry.fileName);
  }
  return paths;
}

MonitoredChanges monitoredChanges(const std::vector<std::wstring>& snapshotUpper,
                                  const std::vector<VoxPrmFileDetails>& entries) {
  // The first entry of a path decides, as lookups in the drawing list do.
  std::unordered_map<std::wstring, bool> isReference;
  for (const VoxPrmFileDetails& entry : entries) isReference.emplace(os::toUpper(entry.fileName), entry.isReference);
  const std::unordered_set<std::wstring> before(snapshotUpper.begin(), snapshotUpper.end());
  MonitoredChanges changes;
  for (std::wstring& path : monitorablePaths(entries, true)) {
    if (!before.contains(path)) changes.added.push_back(std::move(path));
  }
  for (const std::wstring& path : snapshotUpper) {
    const auto it = isReference.find(path);
    if (it == isReference.end() || it->second) changes.removed.push_back(path);
  }
  return changes;
}

std::wstring projectDatabasePath(const std::wstring& folder, const std::wstring& projectName) {
  if (folder.empty()) return {};
  std::wstring path = normaliseProjectId(folder);
  if (path.back() != L'\\') path += L'\\';
  path += projectName + L".mdb";
  return path.size() < kMaxPath ? path : std::wstring();
}

}  // namespace vox::core
