#pragma once
// The 22 project events of the project manager, one subscription list each, in declaration
// order. Project IDs in the arguments are compared ignoring case by receivers: an event carries
// the ID under which the raising operation found the project.
//
//   manager.events().projectOpen.subscribe(this, &MyTree::onProjectOpen);

#include <string>
#include <vector>

#include "core/ProjectEvent.h"
#include "records/VoxPrmFileDetails.h"
#include "records/VoxPrmMiscProjSettings.h"

namespace vox::core {

using ProjectIdEvent = ProjectEvent<const std::wstring&>;
using ProjectPathEvent = ProjectEvent<const std::wstring&, const std::wstring&>;
using ProjectEntryEvent = ProjectEvent<const std::wstring&, const VoxPrmFileDetails&>;
using ProjectEntriesEvent = ProjectEvent<const std::wstring&, const std::vector<VoxPrmFileDetails>&>;

}  // namespace vox::core

struct VoxPrmProjectEvents {
  vox::core::ProjectIdEvent projectOpen;                   // 1
  vox::core::ProjectIdEvent projectClose;                  // 2
  vox::core::ProjectEvent<> projectCloseAllNA;             // 3
  vox::core::ProjectIdEvent preProjectReRead;              // 4
  vox::core::ProjectIdEvent projectReRead;                 // 5
  vox::core::ProjectIdEvent projectSetActive;              // 6: the new active project
  vox::core::ProjectIdEvent projectActived;                // 7: the new active project
  vox::core::ProjectIdEvent projectDeactivate;             // 8: the previously active project
  vox::core::ProjectIdEvent projectLocked;                 // 9
  vox::core::ProjectIdEvent projectUnlocked;               // 10
  vox::core::ProjectEvent<const std::wstring&, bool> projectReadOnlyChanged;  // 11: read-only
  vox::core::ProjectEntryEvent projectAddDrawing;          // 12
  vox::core::ProjectEntriesEvent projectAddDrawings;       // 13: as passed to the add
  // 14: removed path, the removed entry's isReference
  vox::core::ProjectEvent<const std::wstring&, const std::wstring&, bool> projectRemoveDrawing;
  vox::core::ProjectEntriesEvent projectRemoveDrawings;    // 15: the removed entries
  // 16: old path, new path, the replaced entry's isReference
  vox::core::ProjectEvent<const std::wstring&, const std::wstring&, const std::wstring&, bool> projectReplaceDrawing;
  vox::core::ProjectPathEvent projectTasksAdded;           // 17: task file path
  vox::core::ProjectPathEvent projectTasksDeleted;         // 18: task file path
  vox::core::ProjectEntryEvent preProjectDrawingDetailsModify;  // 19: new details, not yet applied
  // 20: new settings, not yet applied
  vox::core::ProjectEvent<const std::wstring&, const VoxPrmMiscProjSettings&> preProjectSetMiscProjectSettings;
  vox::core::ProjectEvent<> startupProjectLoadingComplete;  // 21
  vox::core::ProjectIdEvent drawingActivate;                // 22: the drawing now active in the host

  // Removes every subscription of `receiver` from all 22 lists.
  void unsubscribeAll(const VoxPrmProjectEventReceiver* receiver);
};
