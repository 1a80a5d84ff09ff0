#include "module/ProjectPropertiesCommand.h"

#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectManager.h"
#include "dialogs/CVoxCfgProjPropSheet.h"
#include "host/HcDocument.h"
#include "host/HcMessageCatalog.h"
#include "host/HcUiHost.h"
#include "host/LispCoreFunctions.h"
#include "host/LispCorePaletteCalls.h"
#include "host/VoxUtils.h"

namespace vox::module {
namespace {

// The add-on's locks taken for the command, released when it ends however it ends.
class OperationLocks {
 public:
  OperationLocks() = default;
  OperationLocks(const OperationLocks&) = delete;
  OperationLocks& operator=(const OperationLocks&) = delete;
  ~OperationLocks() {
    if (!m_locked.empty()) LispUpdUnlockFiles(m_locked);
  }
  // Locks the project file; false when the lock service refuses it.
  bool lockProject(const std::wstring& projectID) {
    return LispCheckFileLockStatusAndLock({projectID}, 1, 0, m_locked);
  }

 private:
  std::vector<std::wstring> m_locked;
};

bool listsDrawings(const VoxPrmProjectManager& manager, const std::wstring& projectID) {
  const VoxPrmProject* project = manager.getProject(projectID.c_str());
  return project != nullptr && !project->getProjFileDetails().empty();
}

void freshenTagsLater() {
  if (HcDocManager* documents = hcDocManagerPtr()) {
    documents->executeInApplicationContext(
        [] { host::lispcore::sendPaletteExpression(host::lispcore::PaletteExpression::kIecTagFreshen); });
  }
}

// The sheet over the project, run modally; its result.
int runSheet(VoxPrmProjectManager& manager, const std::wstring& projectID) {
  const HcResourceScope resources;
  CVoxCfgProjPropSheet sheet(manager, projectID);
  return hcRunDialog(sheet);
}

}  // namespace

TagLocationGlobals readTagLocationGlobals() {
  return {host::lispcore::globalNumber(L"GBL_wd_tagloc_format_instloc_into_tag"),
          host::lispcore::globalNumber(L"GBL_wd_tagloc_redundant_instloc_suppress"),
          host::lispcore::globalText(L"GBL_wd_combined_tagloc_prefix")};
}

int runProjectProperties() {
  VoxPrmProjectManager* manager = GetProjectManager();
  std::wstring projectID;
  if (manager == nullptr || !manager->getActiveProjectID(projectID)) return kHcDialogCancel;
  int result = kHcDialogCancel;
  TagLocationGlobals before;
  {
    OperationLocks locks;
    if (!locks.lockProject(projectID)) return kHcDialogCancel;
    before = readTagLocationGlobals();
    result = runSheet(*manager, projectID);
  }
  if (result != kHcDialogOk || !listsDrawings(*manager, projectID)) return result;
  host::lispcore::rereadProject();
  if (readTagLocationGlobals() != before) freshenTagsLater();
  return result;
}

}  // namespace vox::module
