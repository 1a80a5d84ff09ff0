#include "dialogs/CVoxCfgProjPropSheet.h"

#include <stdexcept>

#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectManager.h"
#include "dialogs/ComponentsPage.h"
#include "dialogs/CrossRefPage.h"
#include "dialogs/CVoxCfgProjPropSettingsPage.h"
#include "dialogs/DrawingFormatPage.h"
#include "dialogs/StylesPage.h"
#include "dialogs/WireNumbersPage.h"
#include "host/HcHostServices.h"
#include "host/HcInteraction.h"
#include "host/ResourceText.h"

using vox::dialogs::PropertyPage;
using vox::dialogs::SheetRecords;

namespace {

constexpr unsigned kSheetTitle = 470;
constexpr unsigned kWriteFailedCaption = 184;
constexpr unsigned kWriteFailed = 185;  // "%s": the project file
constexpr const wchar_t* kHelpFile = L"VoxFolio";

// What the pages read: the project's defaults over the built-in ones, its defaults as they are,
// its misc settings.
SheetRecords projectRecords(const VoxPrmProject& project) {
  SheetRecords records;
  records.shown.fillWithDefaults(&project, false);
  records.written = project.getProjDefWDMVals();
  records.misc.emplace(project.getMiscProjSettings());
  return records;
}

const VoxPrmProject& openedProject(const VoxPrmProjectManager& manager, const std::wstring& projectID) {
  const VoxPrmProject* project = manager.getProject(projectID.c_str());
  if (project == nullptr) throw std::invalid_argument("the project of a project properties sheet is not open");
  return *project;
}

void reportWriteFailure(const std::wstring& projectID) {
  if (HcInteraction* interaction = hcInteraction()) {
    interaction->messageBox(vox::host::resourceText(kWriteFailed, {projectID}),
                            vox::host::resourceText(kWriteFailedCaption), HcIcon::kError, HcButtons::kOk);
  }
}

}  // namespace

CVoxCfgProjPropSheet::CVoxCfgProjPropSheet(VoxPrmProjectManager& manager, const std::wstring& projectID)
    : PropertySheetController(L"project-properties", vox::host::resourceText(kSheetTitle), L"proj_props_",
                              projectRecords(openedProject(manager, projectID))),
      m_manager(manager),
      m_projectID(projectID) {
  addPage(std::make_unique<CVoxCfgProjPropSettingsPage>(VoxCodeStandards(), projectID));
  addPage(std::make_unique<vox::dialogs::ComponentsPage>());
  addPage(std::make_unique<vox::dialogs::WireNumbersPage>());
  addPage(std::make_unique<vox::dialogs::CrossRefPage>());
  addPage(std::make_unique<vox::dialogs::StylesPage>());
  addPage(std::make_unique<vox::dialogs::DrawingFormatPage>());
  open();
}

std::unique_ptr<CVoxCfgProjPropSheet> CVoxCfgProjPropSheet::forActiveProject(VoxPrmProjectManager* manager) {
  std::wstring active;
  if (manager == nullptr || !manager->getActiveProjectID(active)) return nullptr;
  return std::make_unique<CVoxCfgProjPropSheet>(*manager, active);
}

VoxPrmProject* CVoxCfgProjPropSheet::project() const { return m_manager.getProject(m_projectID.c_str()); }

void CVoxCfgProjPropSheet::storePage(PropertyPage& page) {
  VoxPrmProject* target = project();
  if (target == nullptr) return;
  VoxPrmMiscProjSettings misc(target->getMiscProjSettings());
  VoxCfgDrawingSettings defaults(target->getProjDefWDMVals());
  page.store(defaults, &misc);
  m_manager.setMiscProjSettingsInProject(misc, m_projectID.c_str());
  // Whoever heard the manager's announcement may have closed the project: it is looked up again.
  if (VoxPrmProject* stillOpen = project()) stillOpen->setProjDefWDMVals(defaults);
}

HcDialogOutcome CVoxCfgProjPropSheet::finishAccept() {
  VoxPrmProject* target = project();
  if (target != nullptr && target->GetProjData() != target->GetOldProjData()) {
    m_wrote = target->writeProject(nullptr);
    if (!m_wrote) reportWriteFailure(m_projectID);
  }
  return HcDialogOutcome::close(kHcDialogOk);
}

void CVoxCfgProjPropSheet::showHelp(const std::wstring& topic) { hcedHelp(kHelpFile, topic.c_str(), 0); }
