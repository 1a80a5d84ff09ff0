#pragma once
// The module's long-lived objects that free functions reach (GetProjectManager and the pending
// requests of the navigation manager). The navigation manager installs them while it lives;
// tests install their own. Nothing installed: null.

class VoxPrmProjectManager;

namespace vox::core {

struct NavigationState;

struct ModuleObjects {
  VoxPrmProjectManager* projectManager = nullptr;
  NavigationState* navigation = nullptr;
};

void installModuleObjects(const ModuleObjects& objects);
const ModuleObjects& moduleObjects();

}  // namespace vox::core
