// The project manager's drawing-list operations: change the project's data, write the project
// file back, and announce the change only after the write succeeded.

#include <algorithm>
#include <unordered_set>

#include "core/ProjectNames.h"
#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/HcInteraction.h"
#include "host/HcMessageCatalog.h"
#include "host/LispCorePaletteCalls.h"
#include "host/LispCoreSettingsCalls.h"
#include "host/ResourceText.h"
#include "host/VoxPmClientApp.h"
#include "platform/os/CaseMapping.h"

namespace {

constexpr unsigned kTermsTitle = 300;
constexpr unsigned kTermsMessage = 301;

// Upper-cased paths of the project's entries, for containment tests in one pass.
using PathSet = std::unordered_set<std::wstring, vox::os::CaseInsensitiveHash, vox::os::CaseInsensitiveEqual>;

PathSet pathIndex(const VoxPrmProject& project) {
  PathSet index;
  index.reserve(project.getProjFileDetails().size());
  for (const VoxPrmFileDetails& entry : project.getProjFileDetails()) index.insert(entry.fileName);
  return index;
}

bool userConfirmsTermUpdate(const std::vector<std::wstring>& drawings) {
  HcInteraction* interaction = hcInteraction();
  if (interaction == nullptr) return false;
  std::wstring list;
  for (const std::wstring& drawing : drawings) list += (list.empty() ? L"" : L"\n") + drawing;
  const HcResourceScope resources;
  return interaction->messageBox(vox::host::resourceText(kTermsMessage) + L"\n\n" + list,
                                 vox::host::resourceText(kTermsTitle), HcIcon::kQuestion,
                                 HcButtons::kOkCancel) == HcAnswer::kOk;
}

}  // namespace

VoxPrmProjectManager::Resolved VoxPrmProjectManager::resolveProject(const wchar_t* projectID) const {
  if (projectID == nullptr) return {m_activeProject, m_activeProjectID};
  std::wstring id = vox::core::normaliseProjectId(projectID);
  VoxPrmProject* project = getProject(indexOf(id));
  return {project, std::move(id)};
}

bool VoxPrmProjectManager::addFileToProject(VoxPrmFileDetails& details, const wchar_t* projectID, bool updateTerms,
                                            bool silentTerms) {
  const Resolved r = resolveProject(projectID);
  if (r.project == nullptr || r.project->isFileInProject(details.fileName)) return false;
  if (updateTerms) updateTermAssociations({details}, r.project, silentTerms);
  if (!r.project->addFile(details) || !r.project->writeProject(nullptr)) return false;
  onProjectAddDrawing(r.id, details);
  return true;
}

bool VoxPrmProjectManager::addFilesToProject(const std::vector<VoxPrmFileDetails>& details, const wchar_t* projectID,
                                             bool updateTerms, bool silentTerms) {
  const Resolved r = resolveProject(projectID);
  if (r.project == nullptr) return false;
  if (updateTerms) updateTermAssociations(details, r.project, silentTerms);
  PathSet present = pathIndex(*r.project);
  for (const VoxPrmFileDetails& entry : details) {
    if (!present.insert(entry.fileName).second) continue;  // already listed
    if (!r.project->GetProjData().addFile(entry)) return false;
  }
  if (!r.project->writeProject(nullptr)) return false;
  onProjectAddDrawings(r.id, details);
  return true;
}

bool VoxPrmProjectManager::removeFileFromProject(const std::wstring& path, const wchar_t* projectID) {
  const Resolved r = resolveProject(projectID);
  if (r.project == nullptr) return false;
  bool isReference = false;
  r.project->isFileInProject(path, &isReference);
  if (!r.project->removeFile(path) || !r.project->writeProject(nullptr)) return false;
  onProjectRemoveDrawing(r.id, path, isReference);
  return true;
}

bool VoxPrmProjectManager::removeFilesFromProject(const std::vector<std::wstring>& paths, const wchar_t* projectID) {
  const Resolved r = resolveProject(projectID);
  if (r.project == nullptr) return false;
  std::vector<VoxPrmFileDetails> removed;
  r.project->getDetailsForFiles(paths, removed);
  if (!r.project->removeFiles(paths) || !r.project->writeProject(nullptr)) return false;
  onProjectRemoveDrawings(r.id, removed);
  return true;
}

bool VoxPrmProjectManager::replaceOrRename(const std::wstring& oldPath, const std::wstring& newPath,
                                           const wchar_t* projectID, bool quiet) {
  const Resolved r = resolveProject(projectID);
  if (r.project == nullptr) return false;
  bool isReference = false;
  r.project->isFileInProject(oldPath, &isReference);
  if (!r.project->replaceFile(oldPath, newPath) || !r.project->writeProject(nullptr)) return false;
  if (!quiet) onProjectReplaceDrawing(r.id, oldPath, newPath, isReference);
  return true;
}

bool VoxPrmProjectManager::replaceFileInProject(const std::wstring& oldPath, const std::wstring& newPath,
                                                const wchar_t* projectID) {
  return replaceOrRename(oldPath, newPath, projectID, false);
}

bool VoxPrmProjectManager::renameFileInProject(const std::wstring& oldPath, const std::wstring& newPath,
                                               const wchar_t* projectID) {
  return replaceOrRename(oldPath, newPath, projectID, true);
}

bool VoxPrmProjectManager::modifyDetailsForFileInProject(const VoxPrmFileDetails& details, const wchar_t* projectID) {
  const Resolved r = resolveProject(projectID);
  if (r.project == nullptr) return false;
  onPreProjectDrawingDetailsModify(r.id, details);
  return r.project->modifyDetailsForFile(details);
}

bool VoxPrmProjectManager::setMiscProjSettingsInProject(const VoxPrmMiscProjSettings& settings, const wchar_t* projectID) {
  const Resolved r = resolveProject(projectID);
  if (r.project == nullptr) return false;
  onPreProjectSetMiscProjectSettings(r.id, settings);
  r.project->setMiscProjSettings(settings);
  return true;
}

bool VoxPrmProjectManager::isFileInProject(const std::wstring& path, const wchar_t* projectID) const {
  const Resolved r = resolveProject(projectID);
  return r.project != nullptr && r.project->isFileInProject(path);
}

bool VoxPrmProjectManager::isInProject(const wchar_t* path, const wchar_t* projectID) const {
  if (path == nullptr) return false;
  const VoxPrmProject* project = projectID == nullptr ? getProject(indexOf(m_activeProjectID)) : resolveProject(projectID).project;
  if (project == nullptr) return false;
  for (const VoxPrmFileDetails& entry : project->getProjFileDetails()) {
    if (vox::os::iequals(entry.fileName, path)) return true;
  }
  return false;
}

bool VoxPrmProjectManager::updateTermAssociations(const std::vector<VoxPrmFileDetails>& details, VoxPrmProject* project,
                                                  bool silentTerms) {
  if (project == nullptr) return false;
  const PathSet present = pathIndex(*project);
  std::vector<std::wstring> drawings;
  for (const VoxPrmFileDetails& entry : details) {
    if (!present.contains(entry.fileName)) drawings.push_back(entry.fileName);
  }
  std::wstring database;
  if (!PmGetProjectDb(project->getProjectID(), database)) return true;
  if (!vox::host::lispcore::checkLinkedTerminals(drawings, database) || drawings.empty()) return true;
  if (silentTerms || userConfirmsTermUpdate(drawings)) vox::host::lispcore::updateLinkedTerminals(drawings);
  return true;
}

void VoxPrmProjectManager::setDrawingsNeedWD_MUpdate(const std::vector<std::wstring>& paths, bool append) {
  if (!append) m_needsWDMUpdate.clear();
  std::unordered_set<std::wstring> listed(m_needsWDMUpdate.begin(), m_needsWDMUpdate.end());
  for (const std::wstring& path : paths) {
    if (listed.insert(path).second) m_needsWDMUpdate.push_back(path);
  }
}

bool VoxPrmProjectManager::notifyLispWD_MAndRemove(const wchar_t* path) {
  if (path == nullptr) return false;
  const auto it = std::find_if(m_needsWDMUpdate.begin(), m_needsWDMUpdate.end(),
                               [path](const std::wstring& listed) { return vox::os::iequals(listed, path); });
  if (it == m_needsWDMUpdate.end()) return false;
  m_needsWDMUpdate.erase(it);
  if (HcDocManager* documents = hcDocManagerPtr()) {
    documents->executeInApplicationContext(
        [] { vox::host::lispcore::sendPaletteExpression(vox::host::lispcore::PaletteExpression::kRereadDrawingParams); });
  }
  return true;
}

bool VoxPrmProjectManager::projectMoved(const std::wstring& oldProjectID, const std::wstring& newPath) {
  const bool wasActive = isActiveProject(oldProjectID.c_str());
  closeProject(oldProjectID.c_str(), true);
  return openProject(newPath.c_str(), wasActive, false);
}

VoxPrmProject* FindDwgInOpenProject(const wchar_t* path) {
  const VoxPrmProjectManager* manager = GetProjectManager();
  if (path == nullptr || manager == nullptr) return nullptr;
  std::wstring id;
  if (!manager->findMatchingProject(path, id)) return nullptr;
  return manager->getProject(id.c_str());
}
