// The start-up re-opening of the last projects from the LISP core's recent-projects list.

#include "core/VoxPrmProjectManager.h"
#include "host/LispCoreFunctions.h"
#include "module/LispFunctions.h"
#include "module/ModuleState.h"

namespace vox::module {
namespace {

// Opens one listed project by its flag: while no project is open the first one that opens
// becomes active whatever its flag; after that "2" opens and activates, "1" opens, others skip.
void reopen(VoxPrmProjectManager& manager, const std::wstring& path, const std::wstring* flag) {
  const bool noneOpen = manager.getProjectCount() == 0;
  if (flag == nullptr || noneOpen) {
    manager.openProject(path.c_str(), noneOpen, false);
  } else if (*flag == L"2") {
    manager.openProject(path.c_str(), true, false);
  } else if (*flag == L"1") {
    manager.openProject(path.c_str(), false, false);
  }
}

}  // namespace

void reopenLastProjects() {
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr || manager->InitialOpenComplete()) return;
  if (const std::optional<host::lispcore::RecentProjects> recent = host::lispcore::recentProjectList()) {
    for (std::size_t i = 0; i < recent->paths.size(); ++i) {
      reopen(*manager, recent->paths[i], i < recent->flags.size() ? &recent->flags[i] : nullptr);
    }
  }
  showPaletteAtStartupIfWanted();
  manager->StartupProjectLoadingComplete();
  manager->setInitialOpenCompleteTrue();
}

}  // namespace vox::module
