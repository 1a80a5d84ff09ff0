#include "module/NewProjectCommand.h"

#include "dialogs/CVoxCfgProjNewDlg.h"
#include "host/HcMessageCatalog.h"
#include "host/HcUiHost.h"
#include "module/ProjectPropertiesCommand.h"
#include "palette/ProjectOpening.h"

namespace vox::module {
namespace {

// Runs the dialog until the user cancels or the new file is written; whether it was written.
bool createProject(dialogs::CVoxCfgProjNewDlg& dialog) {
  const HcResourceScope resources;
  while (hcRunDialog(dialog) == kHcDialogOk) {
    if (dialog.createProjectFile()) return true;
  }
  return false;
}

}  // namespace

bool runNewProject() {
  dialogs::CVoxCfgProjNewDlg dialog;
  if (!createProject(dialog)) return false;
  if (!palette::openProjectAsking(dialog.fullPath())) return false;
  if (dialog.openPropertiesAfter()) runProjectProperties();
  return true;
}

}  // namespace vox::module
