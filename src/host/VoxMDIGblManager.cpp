// Forwarding of the global manager's functions to the installed service.

#include "host/VoxMDIGblManager.h"

#include "host/VoxSiblingServices.h"

namespace {

VoxMDIGblManager* globals() { return voxSiblingServices().globals; }

}  // namespace

bool GblPm_Open_Project(const std::wstring& project) { return globals() != nullptr && globals()->openProject(project); }
bool GblPm_Close_Project(const std::wstring& project) {
  return globals() != nullptr && globals()->closeProject(project);
}
bool GblPm_SetCurrent_Project(const std::wstring& project) {
  return globals() != nullptr && globals()->setCurrentProject(project);
}
bool GblPm_Backup_Active() { return globals() != nullptr && globals()->backupActive(); }
bool GblPm_GetGblValue(const std::wstring& name, HcResBuf& out) {
  return globals() != nullptr && globals()->globalValue(name, out);
}
