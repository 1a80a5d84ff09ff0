#pragma once
// The module's long-lived objects that free functions reach (GetProjectManager, the pending
// requests of the navigation manager, the palette set's window). The navigation manager
// installs them while it lives; tests install their own. Nothing installed: null.

class VoxPrmProjectManager;

namespace vox::core {

struct NavigationState;
class ReReadWindow;

struct ModuleObjects {
  VoxPrmProjectManager* projectManager = nullptr;
  NavigationState* navigation = nullptr;
  ReReadWindow* paletteWindow = nullptr;  // the palette set's window
};

void installModuleObjects(const ModuleObjects& objects);
const ModuleObjects& moduleObjects();

}  // namespace vox::core
