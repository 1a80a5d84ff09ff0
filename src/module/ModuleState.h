#pragma once
// The module-wide state: the navigation manager (from initialisation to unload) and the state
// of a new drawing between the two halves of its command.

#include <memory>
#include <string>
#include <vector>

#include "records/VoxPrmFileDetails.h"

class VoxPrmNavManager;

namespace vox::module {

struct NewDrawingState {
  bool continuePending = false;
  bool openPropertiesAfterwards = false;
  VoxPrmFileDetails pendingDetails;
  std::wstring drawingPath;
  std::vector<std::wstring> lockedFiles;  // taken for the operation through the add-on's lock service
};

// The navigation manager, or null outside initialise .. unload.
VoxPrmNavManager* navManager();
void createNavManager();
void destroyNavManager();
NewDrawingState& newDrawingState();

// Shows the palette when it is hidden and the user wants it at start-up.
void showPaletteAtStartupIfWanted();

}  // namespace vox::module
