// The drawing settings defaults of an open project, defined here because they need the project
// object and the active project, which the records library knows nothing of.

#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectManager.h"
#include "host/DependentDefaultsFromLispCore.h"
#include "records/VoxCfgDrawingSettings.h"

void VoxCfgDrawingSettings::fillWithDefaults(const VoxPrmProject* project, bool useActive) {
  if (project == nullptr && useActive) project = GetActiveProject();
  fillWithProjectDefaults(project != nullptr ? &project->GetProjData() : nullptr, vox::host::dependentDefaultTexts());
}
