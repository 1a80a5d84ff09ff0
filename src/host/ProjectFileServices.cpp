#include "host/ProjectFileServices.h"

#include "host/HcInteraction.h"
#include "host/HcMessageCatalog.h"
#include "host/HcSettingsStore.h"
#include "host/LispCoreFunctions.h"

namespace vox::host {
namespace {

// The services through the installed host: the LISP core's substitution while a document is
// open, and a message box over the host's main window.
class HostProjectFileServices : public ProjectFileServices {
 public:
  std::optional<std::wstring> substituteReplaceable(const std::wstring& value) override {
    return lispcore::replaceableSubstitution(value);
  }

  void showProjectFileError(const std::wstring& text, const std::wstring& caption) override {
    const HcResourceScope resources;
    if (HcInteraction* interaction = hcInteraction())
      interaction->messageBox(text, caption, HcIcon::kExclamation, HcButtons::kOk);
  }
};

ProjectFileServices* installed = nullptr;

}  // namespace

std::wstring ProjectFileServices::recoveryFolder() {
  const HcSettingsStore* store = hcSettingsStore();
  const std::wstring folder = store != nullptr ? store->folder() : std::wstring();
  return folder.empty() ? folder : folder + L"\\recovery";
}

ProjectFileServices* projectFileServices() {
  static HostProjectFileServices throughTheHost;
  return installed != nullptr ? installed : &throughTheHost;
}

void installProjectFileServices(ProjectFileServices* services) { installed = services; }

std::wstring projectFileErrorCaption() {
  if (const HcMessageCatalog* catalog = hcMessageCatalog()) {
    if (std::optional<std::wstring> caption = catalog->text(L"project-file-error-caption")) return *caption;
  }
  return L"VoxFolio - project file";
}

}  // namespace vox::host
