#pragma once
// The new-drawing command in two halves. "VoxNewDrawing" locks the active project, shows the
// new-drawing dialog, creates the drawing, locks it too and has the host run the script
// "_SCRTMP1.SCR" (see NewDrawingScript.h), which opens the drawing and then types
// "_voxcontinuenewdrawing". "VoxContinueNewDrawing" then adds the drawing's entry to the project
// locked first, releases the locks, opens the drawing properties when the user asked for them
// and has the LISP core update the title block. Between the halves the state below is pending;
// a second half without a pending first does nothing.

#include <string>
#include <vector>

#include "records/VoxPrmFileDetails.h"

namespace vox::module {

struct NewDrawingState {
  bool continuePending = false;
  bool openPropertiesAfterwards = false;
  VoxPrmFileDetails pendingDetails;
  std::wstring drawingPath;
  std::vector<std::wstring> lockedFiles;  // taken for the operation through the add-on's lock service
};

NewDrawingState& newDrawingState();

void runNewDrawing();
void continueNewDrawing();

}  // namespace vox::module
