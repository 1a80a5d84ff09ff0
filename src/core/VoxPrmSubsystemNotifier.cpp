#include "core/VoxPrmSubsystemNotifier.h"

#include "core/ModuleObjects.h"
#include "core/PendingRequestQueue.h"
#include "core/SubsystemNotifierRules.h"
#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/HcInteraction.h"
#include "host/HcMessageCatalog.h"
#include "host/LispCoreFunctions.h"
#include "host/VoxMDIGblManager.h"
#include "host/VoxPmClientApp.h"
#include "platform/os/CaseMapping.h"

namespace {

using vox::core::integerSetting;

constexpr int kTagLogicSetting = 10;
constexpr int kWireNumberSetting = 13;
constexpr unsigned kDatabaseWarning = 176;
constexpr unsigned kDatabaseWarningCaption = 177;

void setVariables(const std::wstring& id, const std::vector<std::pair<std::wstring, bool>>& variables) {
  for (const auto& [name, value] : variables) PmSetProjectVar(id, name, value);
}

// The user folder: the global manager's value while no document is open, else (or failing that)
// the LISP global.
std::wstring userFolder() {
  if (!hcHasDocument()) {
    HcResBuf value;
    if (GblPm_GetGblValue(L"GBL_wd_usr", value) && value.type == kRtStr && value.string() != nullptr) {
      return *value.string();
    }
  }
  return vox::host::lispcore::globalText(L"GBL_wd_usr").value_or(std::wstring());
}

void warnDatabaseNotOpened() {
  HcInteraction* interaction = hcInteraction();
  if (interaction == nullptr) return;
  const HcResourceScope resources;
  interaction->messageBox(hcResourceString(kDatabaseWarning), hcResourceString(kDatabaseWarningCaption),
                          HcIcon::kExclamation, HcButtons::kOk);
}

void sendRereadWhenIdle() {
  if (hcCurrentDocumentQuiescent()) {
    hcDocManagerPtr()->executeInApplicationContext([] { vox::host::lispcore::sendRereadProject(); });
  } else if (vox::core::NavigationState* navigation = vox::core::moduleObjects().navigation) {
    navigation->requests.enqueue({vox::core::PendingRequest::kRereadOnLispSide, {}});
  }
}

}  // namespace

// Visits the 14 (event, handler) pairs in subscription order.
template <typename Visit>
void VoxPrmSubsystemNotifier::forEachSubscription(VoxPrmProjectManager& manager, Visit visit) {
  VoxPrmProjectEvents& e = manager.events();
  using N = VoxPrmSubsystemNotifier;
  visit(e.projectOpen, &N::onProjectOpen);
  visit(e.projectClose, &N::onProjectClose);
  visit(e.projectCloseAllNA, &N::onProjectCloseAllNA);
  visit(e.projectSetActive, &N::onProjectSetActive);
  visit(e.projectDeactivate, &N::onProjectDeactivate);
  visit(e.preProjectReRead, &N::onPreProjectReRead);
  visit(e.projectReRead, &N::onProjectReRead);
  visit(e.projectAddDrawing, &N::onProjectAddDrawing);
  visit(e.projectAddDrawings, &N::onProjectAddDrawings);
  visit(e.projectRemoveDrawing, &N::onProjectRemoveDrawing);
  visit(e.projectRemoveDrawings, &N::onProjectRemoveDrawings);
  visit(e.projectReplaceDrawing, &N::onProjectReplaceDrawing);
  visit(e.preProjectDrawingDetailsModify, &N::onPreProjectDrawingDetailsModify);
  visit(e.preProjectSetMiscProjectSettings, &N::onPreProjectSetMiscProjectSettings);
}

VoxPrmSubsystemNotifier::VoxPrmSubsystemNotifier() {
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr) return;
  forEachSubscription(*manager, [this](auto& event, auto handler) { event.subscribe(this, handler); });
  m_subscribed = true;
}

VoxPrmSubsystemNotifier::~VoxPrmSubsystemNotifier() {
  VoxPrmProjectManager* manager = GetProjectManager();
  if (!m_subscribed || manager == nullptr) return;
  forEachSubscription(*manager, [this](auto& event, auto handler) { event.unsubscribe(this, handler); });
}

VoxPrmProjectManager* VoxPrmSubsystemNotifier::activeManagerFor(const std::wstring& id) {
  VoxPrmProjectManager* manager = GetProjectManager();
  return manager != nullptr && manager->isActiveProject(id.c_str()) ? manager : nullptr;
}

void VoxPrmSubsystemNotifier::onProjectOpen(const std::wstring& id) { GblPm_Open_Project(id); }

void VoxPrmSubsystemNotifier::onProjectClose(const std::wstring& id) {
  const VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr) return;
  if (manager->isActiveProject(id.c_str())) PmCloseProject(id);
  GblPm_Close_Project(id);
}

void VoxPrmSubsystemNotifier::openWithProjectMonitor(VoxPrmProjectManager& manager, const std::wstring& id,
                                                     const VoxPrmProject& project) {
  std::wstring name;
  manager.makeProjectPrettyNameFromID(id.c_str(), name);
  const std::wstring database = vox::core::projectDatabasePath(userFolder(), name);
  if (!PmOpenProject(id, database.empty() ? nullptr : database.c_str(), 0, 0, 0)) {
    warnDatabaseNotOpened();
    return;
  }
  const int setting10 = integerSetting(project.getMiscProjSettings(), kTagLogicSetting);
  setVariables(id, vox::core::tagLogicVariables(setting10));
  setVariables(id, {vox::core::wireNumberVariable(integerSetting(project.getMiscProjSettings(), kWireNumberSetting))});
  PmMonitorFiles(id, vox::core::monitorablePaths(project.getProjFileDetails(), false), true);
  PmProjectLoaded(id);
}

void VoxPrmSubsystemNotifier::onProjectSetActive(const std::wstring& id) {
  VoxPrmProjectManager* manager = GetProjectManager();
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(id.c_str()) : nullptr;
  if (project == nullptr) return;
  if (!PmIsHelperProcess()) openWithProjectMonitor(*manager, id, *project);
  PmSetActive(id);
  GblPm_SetCurrent_Project(id);
  if (!hcHasDocument()) {
    if (vox::core::NavigationState* navigation = vox::core::moduleObjects().navigation) navigation->makeActivePending = true;
  } else {
    vox::host::lispcore::makeProjectActive(id);
  }
}

void VoxPrmSubsystemNotifier::onProjectDeactivate(const std::wstring& id) { PmCloseProject(id); }

void VoxPrmSubsystemNotifier::onPreProjectReRead(const std::wstring& id) {
  const VoxPrmProjectManager* manager = activeManagerFor(id);
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(id.c_str()) : nullptr;
  if (project == nullptr) return;
  m_snapshotPaths = vox::core::monitorablePaths(project->getProjFileDetails(), true);
  m_snapshotSetting10 = integerSetting(project->getMiscProjSettings(), kTagLogicSetting);
  m_snapshotSetting13 = integerSetting(project->getMiscProjSettings(), kWireNumberSetting);
}

void VoxPrmSubsystemNotifier::onProjectReRead(const std::wstring& id) {
  const VoxPrmProjectManager* manager = activeManagerFor(id);
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(id.c_str()) : nullptr;
  if (project == nullptr) return;
  const vox::core::MonitoredChanges changes = vox::core::monitoredChanges(m_snapshotPaths, project->getProjFileDetails());
  if (!changes.added.empty()) PmMonitorFiles(id, changes.added, true);
  if (!changes.removed.empty()) PmMonitorFiles(id, changes.removed, false);
  if (!changes.added.empty() || !changes.removed.empty()) PmProjectLoaded(id);
  const int setting10 = integerSetting(project->getMiscProjSettings(), kTagLogicSetting);
  const int setting13 = integerSetting(project->getMiscProjSettings(), kWireNumberSetting);
  if (setting10 != m_snapshotSetting10) setVariables(id, vox::core::tagLogicVariables(setting10));
  if (setting13 != m_snapshotSetting13) setVariables(id, {vox::core::wireNumberVariable(setting13)});
  m_snapshotPaths.clear();
  if (hcHasDocument() && manager->isActiveProject(id.c_str())) sendRereadWhenIdle();
}

void VoxPrmSubsystemNotifier::onProjectAddDrawing(const std::wstring& id, const VoxPrmFileDetails& added) {
  if (activeManagerFor(id) == nullptr || added.isReference) return;
  PmMonitorFile(id, added.fileName, true);
  PmProjectLoaded(id);
}

void VoxPrmSubsystemNotifier::onProjectAddDrawings(const std::wstring& id, const std::vector<VoxPrmFileDetails>& added) {
  if (activeManagerFor(id) == nullptr) return;
  for (const std::wstring& path : vox::core::monitorablePaths(added, false)) PmMonitorFile(id, path, true);
  PmProjectLoaded(id);
}

void VoxPrmSubsystemNotifier::onProjectRemoveDrawing(const std::wstring& id, const std::wstring& path, bool isReference) {
  if (activeManagerFor(id) == nullptr || isReference) return;
  PmMonitorFile(id, path, false);
  PmProjectLoaded(id);
}

void VoxPrmSubsystemNotifier::onProjectRemoveDrawings(const std::wstring& id,
                                                      const std::vector<VoxPrmFileDetails>& removed) {
  if (activeManagerFor(id) == nullptr) return;
  PmMonitorFiles(id, vox::core::monitorablePaths(removed, false), false);
  PmProjectLoaded(id);
}

void VoxPrmSubsystemNotifier::onProjectReplaceDrawing(const std::wstring& id, const std::wstring& from,
                                                      const std::wstring& to, bool isReference) {
  if (activeManagerFor(id) == nullptr || isReference) return;
  PmMonitorFile(id, from, false);
  PmMonitorFile(id, to, true);
  PmProjectLoaded(id);
}

void VoxPrmSubsystemNotifier::onPreProjectDrawingDetailsModify(const std::wstring& id, const VoxPrmFileDetails& details) {
  const VoxPrmProjectManager* manager = activeManagerFor(id);
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(id.c_str()) : nullptr;
  if (project == nullptr) return;
  bool wasReference = false;
  if (!project->isFileInProject(details.fileName, &wasReference)) wasReference = false;
  if (wasReference == details.isReference) return;
  PmMonitorFiles(id, {details.fileName}, !details.isReference);
  PmProjectLoaded(id);
}

void VoxPrmSubsystemNotifier::onPreProjectSetMiscProjectSettings(const std::wstring& id,
                                                                 const VoxPrmMiscProjSettings& settings) {
  const VoxPrmProjectManager* manager = activeManagerFor(id);
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(id.c_str()) : nullptr;
  if (project == nullptr) return;
  const int new10 = integerSetting(settings, kTagLogicSetting);
  const int new13 = integerSetting(settings, kWireNumberSetting);
  if (new10 != integerSetting(project->getMiscProjSettings(), kTagLogicSetting)) {
    setVariables(id, vox::core::tagLogicVariables(new10));
  }
  if (new13 != integerSetting(project->getMiscProjSettings(), kWireNumberSetting)) {
    setVariables(id, {vox::core::wireNumberVariable(new13)});
  }
}
