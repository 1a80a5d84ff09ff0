#include "core/ModuleObjects.h"

#include "core/VoxPrmProjectManager.h"

namespace vox::core {
namespace {

ModuleObjects& installed() {
  static ModuleObjects objects;
  return objects;
}

}  // namespace

void installModuleObjects(const ModuleObjects& objects) { installed() = objects; }
const ModuleObjects& moduleObjects() { return installed(); }

}  // namespace vox::core

VoxPrmProjectManager* GetProjectManager() { return vox::core::moduleObjects().projectManager; }

VoxPrmProject* GetActiveProject() {
  VoxPrmProjectManager* manager = GetProjectManager();
  return manager != nullptr ? manager->getProject(static_cast<const wchar_t*>(nullptr)) : nullptr;
}
