#include "platform/siblings/PmClientStandIn.h"

#include <algorithm>

#include "platform/os/CaseMapping.h"
#include "platform/os/Files.h"
#include "platform/os/WinPath.h"

namespace vox::siblings {

namespace {

// The default database of a project: beside the project file, named after it.
std::optional<std::wstring> derivedDatabase(const std::wstring& project) {
  const std::wstring folder = os::folderOf(project);
  const std::wstring name = os::stem(project);
  if (folder.empty() || name.empty()) return std::nullopt;
  return folder + L"\\" + name + L".mdb";
}

}  // namespace

PmClientStandIn::PmClientStandIn(const EnvironmentLookup& environment, CallLog& log)
    : helper_(environment && environment(kHelperProcessVariable) == "1"), log_(log) {}

PmClientStandIn::ClientProject* PmClientStandIn::openProjectState(const std::wstring& project) {
  const auto found = projects_.find(project);
  return found != projects_.end() && found->second.open ? &found->second : nullptr;
}

const PmClientStandIn::ClientProject* PmClientStandIn::find(const std::wstring& project) const {
  const auto found = projects_.find(project);
  return found != projects_.end() ? &found->second : nullptr;
}

void PmClientStandIn::watch(ClientProject& state, const std::wstring& file, bool on) {
  if (on) {
    state.monitored.insert(file);
  } else {
    state.monitored.erase(file);
  }
  state.pending = true;
}

bool PmClientStandIn::openProject(const std::wstring& project, const wchar_t* database, int option1, int option2,
                                  int option3) {
  log_.record(L"PmOpenProject", {project, argText(database), argText(option1), argText(option2), argText(option3)});
  if (project.empty()) return false;
  ClientProject& state = projects_[project];
  state.open = true;
  if (database != nullptr && *database != L'\0') state.database = database;
  return true;
}

bool PmClientStandIn::closeProject(const std::wstring& project) {
  log_.record(L"PmCloseProject", {project});
  ClientProject* state = openProjectState(project);
  if (state == nullptr) return false;
  state->open = false;
  state->monitored.clear();
  if (os::iequals(active_, project)) active_.clear();
  return true;
}

bool PmClientStandIn::setActive(const std::wstring& project) {
  log_.record(L"PmSetActive", {project});
  if (project.empty()) return false;
  active_ = project;
  return true;
}

bool PmClientStandIn::flushActive() {
  log_.record(L"PmFlushActive");
  if (active_.empty()) return false;
  const auto found = projects_.find(active_);
  if (found != projects_.end()) found->second.pending = false;
  return true;
}

bool PmClientStandIn::setProjectVar(const std::wstring& project, const std::wstring& name, bool value) {
  log_.record(L"PmSetProjectVar", {project, name, argText(value)});
  ClientProject* state = openProjectState(project);
  if (state == nullptr || name.empty()) return false;
  state->variables[name] = value;
  state->pending = true;
  return true;
}

bool PmClientStandIn::projectDb(const std::wstring& project, std::wstring& out) const {
  log_.record(L"PmGetProjectDb", {project});
  const ClientProject* state = find(project);
  std::optional<std::wstring> database = state != nullptr ? state->database : std::nullopt;
  // A project that ships its own database beside its file uses it while the one asked for at
  // opening does not exist yet.
  const std::optional<std::wstring> beside = derivedDatabase(project);
  if (!database || (!os::fileExists(*database) && beside && os::fileExists(*beside))) database = beside;
  if (!database) return false;
  out = *database;
  return true;
}

bool PmClientStandIn::monitorFile(const std::wstring& project, const std::wstring& file, bool on) {
  log_.record(L"PmMonitorFile", {project, file, argText(on)});
  ClientProject* state = openProjectState(project);
  if (state == nullptr || file.empty()) return false;
  watch(*state, file, on);
  return true;
}

bool PmClientStandIn::monitorFiles(const std::wstring& project, const std::vector<std::wstring>& files, bool on) {
  log_.record(L"PmMonitorFiles", {project, argText(files), argText(on)});
  ClientProject* state = openProjectState(project);
  if (state == nullptr) return false;
  for (const std::wstring& file : files) {
    if (!file.empty()) watch(*state, file, on);
  }
  return true;
}

bool PmClientStandIn::projectLoaded(const std::wstring& project) {
  log_.record(L"PmProjectLoaded", {project});
  ClientProject* state = openProjectState(project);
  if (state == nullptr) return false;
  ++state->loaded;
  state->pending = true;
  return true;
}

bool PmClientStandIn::lockFile(const std::wstring& file) {
  log_.record(L"PmLockFile", {file});
  return !file.empty() && lockedFiles_.insert(file).second;
}

bool PmClientStandIn::unlockFile(const std::wstring& file) {
  log_.record(L"PmUnlockFile", {file});
  return lockedFiles_.erase(file) > 0;
}

std::vector<RenameNotice>::iterator PmClientStandIn::pendingRename(const std::wstring& project,
                                                                    const std::wstring& oldPath) {
  return std::find_if(renames_.begin(), renames_.end(), [&](const RenameNotice& notice) {
    return !notice.completed && os::iequals(notice.project, project) && os::iequals(notice.oldPath, oldPath);
  });
}

bool PmClientStandIn::renameStarted(const std::wstring& project, const std::wstring& oldPath) {
  log_.record(L"PmRenameStarted", {project, oldPath});
  if (project.empty() || oldPath.empty() || pendingRename(project, oldPath) != renames_.end()) return false;
  renames_.push_back(RenameNotice{project, oldPath, false, std::nullopt});
  return true;
}

bool PmClientStandIn::renameCompleted(const std::wstring& project, const std::wstring& oldPath,
                                      const wchar_t* newPath) {
  log_.record(L"PmRenameCompleted", {project, oldPath, argText(newPath)});
  const auto notice = pendingRename(project, oldPath);
  if (notice == renames_.end()) return false;
  notice->completed = true;
  if (newPath == nullptr || *newPath == L'\0') return true;
  notice->newPath = newPath;
  ClientProject* state = openProjectState(project);
  if (state != nullptr && state->monitored.erase(oldPath) > 0) watch(*state, newPath, true);
  return true;
}

bool PmClientStandIn::isHelperProcess() const {
  log_.record(L"PmIsHelperProcess");
  return helper_;
}

bool PmClientStandIn::isOpen(const std::wstring& project) const {
  const ClientProject* state = find(project);
  return state != nullptr && state->open;
}

bool PmClientStandIn::isMonitored(const std::wstring& project, const std::wstring& file) const {
  const ClientProject* state = find(project);
  return state != nullptr && state->monitored.contains(file);
}

std::vector<std::wstring> PmClientStandIn::monitoredFiles(const std::wstring& project) const {
  const ClientProject* state = find(project);
  if (state == nullptr) return {};
  return std::vector<std::wstring>(state->monitored.begin(), state->monitored.end());
}

std::optional<bool> PmClientStandIn::projectVar(const std::wstring& project, const std::wstring& name) const {
  const ClientProject* state = find(project);
  if (state == nullptr) return std::nullopt;
  const auto found = state->variables.find(name);
  if (found == state->variables.end()) return std::nullopt;
  return found->second;
}

int PmClientStandIn::loadedCount(const std::wstring& project) const {
  const ClientProject* state = find(project);
  return state != nullptr ? state->loaded : 0;
}

bool PmClientStandIn::hasPendingChanges(const std::wstring& project) const {
  const ClientProject* state = find(project);
  return state != nullptr && state->pending;
}

}  // namespace vox::siblings
