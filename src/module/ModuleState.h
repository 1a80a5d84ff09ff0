#pragma once
// The module-wide state: the navigation manager (from initialisation to unload). The state of a
// new drawing between the two halves of its command is kept with the command (NewDrawingCommand.h).

#include <memory>

class VoxPrmNavManager;

namespace vox::module {

// The navigation manager, or null outside initialise .. unload.
VoxPrmNavManager* navManager();
void createNavManager();
void destroyNavManager();

// Shows the palette when it is hidden and the user wants it at start-up.
void showPaletteAtStartupIfWanted();

}  // namespace vox::module
