#include "core/VoxPrmProjectManager.h"

#include <array>
#include <stdexcept>

#include "core/DrawingDisplayOrder.h"
#include "core/ModuleObjects.h"
#include "core/PendingRequestQueue.h"
#include "core/ProjectNames.h"
#include "host/HcDocument.h"
#include "host/HcHostServices.h"
#include "host/HcSettingsStore.h"
#include "host/LispCoreFunctions.h"
#include "host/VoxPmClientApp.h"
#include "locking/LockText.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/Files.h"

namespace {

using vox::core::normaliseProjectId;

// Recent-projects codes of the LISP core's list: opened (shown as "1"), closed (shown as "0").
constexpr int kRecentOpened = 2;
constexpr int kRecentClosed = 1;

bool endsInWdp(const std::wstring& text) { return text.size() >= 3 && text.compare(text.size() - 3, 3, L"wdp") == 0; }

}  // namespace

VoxPrmProjectManager::VoxPrmProjectManager(vox::core::ManagerParts parts) : m_parts(std::move(parts)) {
  constructorInit();
}

void VoxPrmProjectManager::constructorInit() {
  if (!m_fileNotifier && m_parts.makeWatcher) {
    m_fileNotifier = m_parts.makeWatcher();
    if (m_fileNotifier) {
      m_fileNotifier->connect({[this](const std::wstring& p) { onFileChangedContent(p.c_str()); },
                               [this](const std::wstring& p, bool readOnly) { onFileChangedReadOnly(p.c_str(), readOnly); },
                               [this](const std::wstring& p) { onFileCreated(p.c_str()); },
                               [this](const std::wstring& p) { onFileDeleted(p.c_str()); },
                               [this](const std::wstring& from, const std::wstring& to) {
                                 onFileRenamed(from.c_str(), to.c_str());
                               }});
      m_fileNotifier->startMonitoring();
    }
  }
  if (!m_fileLocker && m_parts.makeLocker) m_fileLocker = m_parts.makeLocker();
}

VoxPrmProjectManager::~VoxPrmProjectManager() {
  if (m_fileNotifier) {
    m_fileNotifier->stopMonitoring();
    m_fileNotifier->disconnect();
    m_fileNotifier.reset();
  }
  if (m_fileLocker) {
    m_fileLocker->unlockAllFiles();
    m_fileLocker.reset();
  }
  m_activeProject = nullptr;
  m_projects.clear();
}

// --- Access ---------------------------------------------------------------------------------------

std::wstring VoxPrmProjectManager::resolve(const wchar_t* projectID) const {
  return projectID == nullptr ? m_activeProjectID : normaliseProjectId(projectID);
}

int VoxPrmProjectManager::indexOf(const std::wstring& normalisedID) const {
  if (normalisedID.empty()) return -1;
  for (std::size_t i = 0; i < m_projects.size(); ++i) {
    if (vox::os::iequals(m_projects[i]->getProjectID(), normalisedID)) return static_cast<int>(i);
  }
  return -1;
}

VoxPrmProject* VoxPrmProjectManager::getProject(int index) const {
  if (index < 0 || index >= getProjectCount()) return nullptr;
  return m_projects[static_cast<std::size_t>(index)].get();
}

VoxPrmProject* VoxPrmProjectManager::getProject(const wchar_t* projectID) const {
  if (projectID == nullptr) return m_activeProject;
  return getProject(indexOf(normaliseProjectId(projectID)));
}

int VoxPrmProjectManager::getProjectIndex(const wchar_t* projectID) const {
  return projectID == nullptr ? -1 : indexOf(normaliseProjectId(projectID));
}

bool VoxPrmProjectManager::isActiveProject(const wchar_t* projectID) const {
  return projectID != nullptr && vox::os::iequals(normaliseProjectId(projectID), m_activeProjectID);
}

bool VoxPrmProjectManager::getActiveProjectID(std::wstring& out) const {
  if (indexOf(m_activeProjectID) < 0) return false;
  out = m_activeProjectID;
  return true;
}

bool VoxPrmProjectManager::getProjectDependents(std::vector<std::wstring>& out, const wchar_t* projectID,
                                                int flags) const {
  const VoxPrmProject* project = getProject(projectID);
  if (project == nullptr) return false;
  project->getProjectDependents(out, flags);
  return true;
}

// --- Names ----------------------------------------------------------------------------------------

bool VoxPrmProjectManager::getProjNameFromID(const std::wstring& projectID, std::wstring& out) const {
  out = vox::core::projectNameFromId(projectID);
  return true;
}

void VoxPrmProjectManager::makeProjectPrettyNameFromID(const wchar_t* projectID, std::wstring& out) const {
  std::wstring id;
  if (projectID != nullptr) {
    id = projectID;
  } else if (indexOf(m_activeProjectID) >= 0) {
    id = m_activeProjectID;
  }
  getProjNameFromID(id, out);
}

bool VoxPrmProjectManager::isProjectSameNameAsExisting(const wchar_t* projectID, std::wstring* out) const {
  if (projectID == nullptr) return false;
  const std::wstring name = vox::core::projectNameFromId(projectID);
  for (const auto& project : m_projects) {
    if (vox::os::iequals(vox::core::projectNameFromId(project->getProjectID()), name)) {
      if (out != nullptr) *out = project->getProjectID();
      return true;
    }
  }
  return false;
}

bool VoxPrmProjectManager::findMatchingProject(const std::wstring& drawingPath, std::wstring& projectID) const {
  if (m_projects.empty() || m_activeProject == nullptr) return false;
  const std::wstring path = normaliseProjectId(drawingPath);
  if (m_activeProject->isFileInProject(path)) {
    projectID = m_activeProject->getProjectID();
    return true;
  }
  for (const auto& project : m_projects) {
    if (project.get() != m_activeProject && project->isFileInProject(path)) {
      projectID = project->getProjectID();
      return true;
    }
  }
  return false;
}

bool VoxPrmProjectManager::generateTaskFileNameForProject(const std::wstring& projectID, std::wstring& out) const {
  out = vox::core::taskFileNameForProject(projectID);
  return true;
}

bool VoxPrmProjectManager::generateProjectFileNameFromTaskName(const std::wstring& taskPath, std::wstring& out) const {
  const std::optional<std::wstring> project = vox::core::projectFileNameFromTaskName(taskPath);
  if (!project) return false;
  out = *project;
  return true;
}

bool VoxPrmProjectManager::projectHasTasks(const wchar_t* projectID) const {
  const std::wstring id = resolve(projectID);
  if (id.empty()) return false;
  const std::wstring task = vox::core::taskFileNameForProject(id);
  return !task.empty() && vox::os::fileExists(task);
}

// --- Opening, closing, activating -----------------------------------------------------------------

void VoxPrmProjectManager::monitorProjectFiles(const std::wstring& projectID, bool on) {
  if (!m_fileNotifier) return;
  for (const std::wstring& path : {projectID, vox::locking::lockFilePathFor(projectID), vox::core::taskFileNameForProject(projectID)}) {
    if (path.empty()) continue;  // a task file name too long for a path
    if (on) {
      m_fileNotifier->monitorFile(path);
    } else {
      m_fileNotifier->stopMonitoringFile(path);
    }
  }
}

// An opening without activation goes to the LISP core's recent-projects list now when the editor
// is idle, or as a pending request for the next idle moment.
void VoxPrmProjectManager::reportOpenedToRecentProjects(const VoxPrmProject& project) {
  if (hcCurrentDocumentQuiescent()) {
    const std::array<std::wstring, 4> lines = project.firstFourDescriptions();
    vox::host::lispcore::updateRecentProject(kRecentOpened, project.getProjectID(), &lines);
    return;
  }
  vox::core::NavigationState* navigation = vox::core::moduleObjects().navigation;
  if (navigation == nullptr) return;
  navigation->requests.enqueue({vox::core::PendingRequest::kReportRecentProject,
                                HcResBufChain().str(project.getProjectID()).shortInt(kRecentOpened)});
}

bool VoxPrmProjectManager::openProject(const wchar_t* path, bool activate, bool skipSameNameCheck) {
  if (path == nullptr) return false;
  const std::wstring id = normaliseProjectId(path);
  if (indexOf(id) >= 0) {
    if (activate) setActiveProject(id.c_str());
    return true;
  }
  if (!skipSameNameCheck && isProjectSameNameAsExisting(id.c_str(), nullptr)) return false;
  auto project = std::make_unique<VoxPrmProject>();
  if (!project->readProject(id)) return false;
  if (!PmIsHelperProcess()) verifyAndRepairAbsolutePaths(project.get());
  const VoxPrmProject& opened = *project;
  m_projects.push_back(std::move(project));
  monitorProjectFiles(id, true);
  onProjectOpen(id);
  if (activate) {
    setActiveProject(id.c_str());
  } else if (indexOf(id) >= 0) {  // a handler may have closed it again
    reportOpenedToRecentProjects(opened);
  }
  return true;
}

bool VoxPrmProjectManager::closeProject(const wchar_t* projectID, bool force) {
  if (projectID == nullptr) return false;
  const std::wstring id = normaliseProjectId(projectID);
  if (!force && vox::os::iequals(id, m_activeProjectID)) return false;
  const int index = indexOf(id);
  if (index < 0) return false;
  monitorProjectFiles(id, false);
  closeProject(index);
  if (hcHasDocument()) vox::host::lispcore::updateRecentProject(kRecentClosed, id, nullptr);
  onProjectClose(id);
  return true;
}

bool VoxPrmProjectManager::closeProject(int index) {
  if (index < 0 || index >= getProjectCount()) {
    throw std::invalid_argument("closeProject: no open project at index " + std::to_string(index));
  }
  const auto at = m_projects.begin() + index;
  if (at->get() == m_activeProject) m_activeProject = nullptr;
  m_projects.erase(at);
  return true;
}

bool VoxPrmProjectManager::closeAllNonActiveProjects() {
  for (int i = getProjectCount() - 1; i >= 0; --i) {
    if (!vox::os::iequals(m_projects[static_cast<std::size_t>(i)]->getProjectID(), m_activeProjectID)) closeProject(i);
  }
  if (getProjectCount() > 1) return false;
  onProjectCloseAllNA();
  return true;
}

void VoxPrmProjectManager::enforceOpenProjectLimit() {
  if (getProjectCount() <= kMaxOpenProjects) return;
  const VoxPrmProject* oldest = m_projects.front().get();
  if (oldest == m_activeProject) oldest = m_projects[1].get();
  const std::wstring id = oldest->getProjectID();
  closeProject(id.c_str(), false);
}

bool VoxPrmProjectManager::setActiveProject(const wchar_t* projectID) {
  if (projectID == nullptr) return false;
  const std::wstring id = normaliseProjectId(projectID);
  if (vox::os::iequals(id, m_activeProjectID) && m_activeProject != nullptr) return true;
  VoxPrmProject* project = getProject(indexOf(id));
  if (project == nullptr) return false;
  const std::wstring previous = m_activeProjectID;
  m_activeProjectID = id;
  m_activeProject = project;
  onProjectSetActive(id);
  // Re-activating the ID that stayed active after a forced close deactivates nothing.
  if (!previous.empty() && !vox::os::iequals(previous, id)) onProjectDeactivate(previous);
  enforceOpenProjectLimit();
  onProjectActived(id);
  return true;
}

// --- Locking --------------------------------------------------------------------------------------

bool VoxPrmProjectManager::lockProjectFile(const wchar_t* path) {
  return path != nullptr && m_fileLocker && m_fileLocker->lockFile(normaliseProjectId(path));
}

bool VoxPrmProjectManager::unlockProjectFile(const wchar_t* path) {
  return path != nullptr && m_fileLocker && m_fileLocker->unlockFile(normaliseProjectId(path));
}

bool VoxPrmProjectManager::isProjectFileLocked(const wchar_t* path) {
  return path != nullptr && m_fileLocker && m_fileLocker->isLocked(normaliseProjectId(path));
}

_lockStatus VoxPrmProjectManager::whoHasProjectFileLocked(const wchar_t* path, std::wstring& holder) {
  if (path == nullptr || !m_fileLocker) return kLockStatusUnknown;
  return m_fileLocker->whoLocked(normaliseProjectId(path), holder);
}

_lockStatus VoxPrmProjectManager::whoHasProjectFileLocked(const wchar_t* path, std::wstring* holder,
                                                          std::wstring* machine, std::wstring* time) {
  if (path == nullptr || !m_fileLocker) return kLockStatusUnknown;
  std::wstring parts[3];
  const _lockStatus status = m_fileLocker->whoLocked(normaliseProjectId(path), parts[0], parts[1], parts[2]);
  if (status == kLockStatusUnknown) return status;
  std::wstring* const outs[3] = {holder, machine, time};
  for (int i = 0; i < 3; ++i) {
    if (outs[i] != nullptr) *outs[i] = parts[i];
  }
  return status;
}

// --- Packing --------------------------------------------------------------------------------------

void VoxPrmProjectManager::setProjectToBePacked(const std::wstring& what) {
  const std::wstring path = normaliseProjectId(what);
  if (path.empty()) {
    if (m_activeProject != nullptr) m_toBePackedID = m_activeProject->getProjectID();
  } else if (endsInWdp(path)) {
    if (indexOf(path) >= 0) m_toBePackedID = path;
  } else {
    findMatchingProject(path, m_toBePackedID);
  }
}

void VoxPrmProjectManager::getProjectToBePacked(std::vector<std::wstring>& out) const {
  const VoxPrmProject* project = getProject(indexOf(m_toBePackedID));
  if (project == nullptr) return;
  out.push_back(m_toBePackedID);
  project->getProjectDependents(out, VoxPrmProject::kDrawingDependents | VoxPrmProject::kNonDrawingDependents);
}

// --- Drawing-list display order -------------------------------------------------------------------

bool VoxPrmProjectManager::getDwgDisplaySetting(std::vector<int>& order, std::wstring& separator,
                                                bool& showSelection) const {
  vox::core::DisplayOrder stored{{}, separator, showSelection};
  if (!vox::core::readDisplayOrder(hcSettingsStore(), vox::core::displayOrderKey(hcrxProductKey()), stored)) return false;
  order.insert(order.end(), stored.order.begin(), stored.order.end());
  separator = stored.separator;
  showSelection = stored.showSelection;
  return true;
}

bool VoxPrmProjectManager::setDwgDisplaySetting(const std::vector<int>& order, const std::wstring& separator,
                                                bool showSelection) {
  return vox::core::writeDisplayOrder(hcSettingsStore(), vox::core::displayOrderKey(hcrxProductKey()),
                                      {order, separator, showSelection});
}
