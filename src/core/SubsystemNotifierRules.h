#pragma once
// What the subsystem notifier derives from a project, without I/O: the project-monitor
// variables, the monitorable drawings, the changes a re-read made, and the database path.

#include <string>
#include <utility>
#include <vector>

#include "records/VoxPrmFileDetails.h"
#include "records/VoxPrmMiscProjSettings.h"

namespace vox::core {

// Integer project setting `index`; 0 when unset or not an integer.
int integerSetting(const VoxPrmMiscProjSettings& settings, int index);

// The project-monitor variables that follow from settings 10 and 13, in the order they are set.
std::vector<std::pair<std::wstring, bool>> tagLogicVariables(int setting10);  // COMB_TAG_LOGIC, IEC
std::pair<std::wstring, bool> wireNumberVariable(int setting13);                // WNSMODE

// The paths of the entries that are not references, in project order; upper-cased when asked.
std::vector<std::wstring> monitorablePaths(const std::vector<VoxPrmFileDetails>& entries, bool upperCased);

// The drawings a re-read added to (monitorable, in project order) and removed from (snapshot
// order: no longer listed, or now a reference) the monitorable set.
struct MonitoredChanges {
  std::vector<std::wstring> added;
  std::vector<std::wstring> removed;
};
MonitoredChanges monitoredChanges(const std::vector<std::wstring>& snapshotUpper,
                                  const std::vector<VoxPrmFileDetails>& entries);

// The project database: `folder` (slashes made backslashes) joined with the project's name plus
// ".mdb"; empty when there is no folder or the path would not fit 260 characters.
std::wstring projectDatabasePath(const std::wstring& folder, const std::wstring& projectName);

}  // namespace vox::core
