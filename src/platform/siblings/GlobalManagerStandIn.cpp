#include "platform/siblings/GlobalManagerStandIn.h"

#include <algorithm>

namespace vox::siblings {

bool GlobalManagerStandIn::isOpen(const std::wstring& project) const {
  return std::any_of(open_.begin(), open_.end(), [&](const std::wstring& id) { return os::iequals(id, project); });
}

bool GlobalManagerStandIn::openProject(const std::wstring& project) {
  log_.record(L"GblPm_Open_Project", {project});
  if (project.empty() || isOpen(project)) return false;
  open_.push_back(project);
  return true;
}

bool GlobalManagerStandIn::closeProject(const std::wstring& project) {
  log_.record(L"GblPm_Close_Project", {project});
  const auto found =
      std::find_if(open_.begin(), open_.end(), [&](const std::wstring& id) { return os::iequals(id, project); });
  if (found == open_.end()) return false;
  open_.erase(found);
  backups_.erase(project);
  if (os::iequals(current_, project)) {
    current_.clear();
    globals_.erase(kCurrentProjectGlobal);
  }
  return true;
}

bool GlobalManagerStandIn::setCurrentProject(const std::wstring& project) {
  log_.record(L"GblPm_SetCurrent_Project", {project});
  if (!isOpen(project)) return false;
  if (!current_.empty() && !os::iequals(current_, project)) backups_[current_] = globals_;
  if (const auto kept = backups_.find(project); kept != backups_.end()) globals_ = kept->second;
  current_ = project;
  globals_[kCurrentProjectGlobal] = HcResBuf{kRtStr, project};
  return true;
}

bool GlobalManagerStandIn::backupActive() {
  log_.record(L"GblPm_Backup_Active");
  if (current_.empty()) return false;
  backups_[current_] = globals_;
  return true;
}

bool GlobalManagerStandIn::globalValue(const std::wstring& name, HcResBuf& out) const {
  log_.record(L"GblPm_GetGblValue", {name});
  const auto found = globals_.find(name);
  if (found == globals_.end()) return false;
  out = found->second;
  return true;
}

std::optional<GlobalManagerStandIn::Globals> GlobalManagerStandIn::backup(const std::wstring& project) const {
  const auto found = backups_.find(project);
  if (found == backups_.end()) return std::nullopt;
  return found->second;
}

}  // namespace vox::siblings
