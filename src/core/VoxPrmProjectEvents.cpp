#include "core/VoxPrmProjectEvents.h"

void VoxPrmProjectEvents::unsubscribeAll(const VoxPrmProjectEventReceiver* receiver) {
  const auto all = [receiver](auto&... events) { (events.unsubscribeAll(receiver), ...); };
  all(projectOpen, projectClose, projectCloseAllNA, preProjectReRead, projectReRead, projectSetActive,
      projectActived, projectDeactivate, projectLocked, projectUnlocked, projectReadOnlyChanged, projectAddDrawing,
      projectAddDrawings, projectRemoveDrawing, projectRemoveDrawings, projectReplaceDrawing, projectTasksAdded,
      projectTasksDeleted, preProjectDrawingDetailsModify, preProjectSetMiscProjectSettings,
      startupProjectLoadingComplete, drawingActivate);
}
