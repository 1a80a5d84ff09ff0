#include "palette/ProjectOpening.h"

#include <optional>

#include "core/VoxPrmProjectManager.h"
#include "host/HcInteraction.h"
#include "host/ResourceText.h"
#include "platform/os/WinPath.h"

namespace vox::palette {
namespace {

enum : unsigned { kSameNameText = 173, kSameNameCaption = 174, kOpenProjectCaption = 581, kProjectFilter = 585 };

}  // namespace

bool openProjectAsking(const std::wstring& path) {
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr) return false;
  std::wstring existing;
  if (manager->isProjectSameNameAsExisting(path.c_str(), &existing) && manager->getProject(path.c_str()) == nullptr) {
    HcInteraction* interaction = hcInteraction();
    if (interaction == nullptr ||
        interaction->messageBox(host::resourceText(kSameNameText), host::resourceText(kSameNameCaption, {existing}),
                                HcIcon::kExclamation, HcButtons::kYesNo) != HcAnswer::kYes)
      return false;
    manager->closeProject(existing.c_str(), true);
  }
  return manager->openProject(path.c_str(), true, false);
}

bool openProjectFromDialog() {
  VoxPrmProjectManager* manager = GetProjectManager();
  HcInteraction* interaction = hcInteraction();
  if (manager == nullptr || interaction == nullptr) return false;
  std::wstring active;
  manager->getActiveProjectID(active);
  const std::optional<std::wstring> chosen =
      interaction->chooseFile(host::resourceText(kOpenProjectCaption), active.empty() ? std::wstring() : os::folderOf(active) + L"\\",
                              host::resourceText(kProjectFilter), false);
  return chosen && openProjectAsking(os::toBackslashes(*chosen));
}

}  // namespace vox::palette
