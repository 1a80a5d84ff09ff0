#pragma once
// The project-monitor client of the reference host. It keeps, per project ID (letter case
// ignored):
// - whether the project is open with the client, and which project is active;
// - the project database: the path given when opening, else the project file's folder joined
//   with the project file's name and ".mdb" ("C:\P\Plant.wdp" gives "C:\P\Plant.mdb"); the
//   latter also while the path given does not exist and a database beside the project does;
// - the drawings it watches (only while the project is open; closing stops them all);
// - the project variables, and whether anything changed since the active project was last
//   flushed;
// - renames: each started rename waits for its completion; a completed one with a new path
//   moves a watched drawing to that path.
// Besides, the files locked through lockFile (until unlocked), and the helper-process flag,
// read once from the environment variable VOXFOLIO_PM_HELPER ("1": this is the helper).
// Every call is recorded in the call log.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/VoxPmClientApp.h"
#include "platform/siblings/CallLog.h"
#include "platform/siblings/CaseInsensitiveLess.h"
#include "platform/siblings/ProcessEnvironment.h"

namespace vox::siblings {

inline constexpr char kHelperProcessVariable[] = "VOXFOLIO_PM_HELPER";

struct RenameNotice {
  std::wstring project;
  std::wstring oldPath;
  bool completed = false;
  std::optional<std::wstring> newPath;  // set when completed with a new path

  bool operator==(const RenameNotice&) const = default;
};

class PmClientStandIn : public VoxPmClientApp {
 public:
  PmClientStandIn(const EnvironmentLookup& environment, CallLog& log);

  bool openProject(const std::wstring& project, const wchar_t* database, int option1, int option2,
                   int option3) override;
  bool closeProject(const std::wstring& project) override;
  bool setActive(const std::wstring& project) override;
  bool flushActive() override;
  bool setProjectVar(const std::wstring& project, const std::wstring& name, bool value) override;
  bool projectDb(const std::wstring& project, std::wstring& out) const override;
  bool monitorFile(const std::wstring& project, const std::wstring& file, bool on) override;
  bool monitorFiles(const std::wstring& project, const std::vector<std::wstring>& files, bool on) override;
  bool projectLoaded(const std::wstring& project) override;
  bool lockFile(const std::wstring& file) override;
  bool unlockFile(const std::wstring& file) override;
  bool renameStarted(const std::wstring& project, const std::wstring& oldPath) override;
  bool renameCompleted(const std::wstring& project, const std::wstring& oldPath, const wchar_t* newPath) override;
  bool isHelperProcess() const override;

  bool isOpen(const std::wstring& project) const;
  const std::wstring& activeProject() const { return active_; }
  bool isMonitored(const std::wstring& project, const std::wstring& file) const;
  // The watched drawings of a project, ordered ignoring case.
  std::vector<std::wstring> monitoredFiles(const std::wstring& project) const;
  std::optional<bool> projectVar(const std::wstring& project, const std::wstring& name) const;
  // How often projectLoaded was reported for the project.
  int loadedCount(const std::wstring& project) const;
  // Whether the project changed since the last flush.
  bool hasPendingChanges(const std::wstring& project) const;
  bool isFileLocked(const std::wstring& file) const { return lockedFiles_.contains(file); }
  const std::vector<RenameNotice>& renames() const { return renames_; }

 private:
  struct ClientProject {
    bool open = false;
    std::optional<std::wstring> database;
    std::set<std::wstring, CaseInsensitiveLess> monitored;
    std::map<std::wstring, bool, CaseInsensitiveLess> variables;
    int loaded = 0;
    bool pending = false;
  };

  ClientProject* openProjectState(const std::wstring& project);
  const ClientProject* find(const std::wstring& project) const;
  void watch(ClientProject& state, const std::wstring& file, bool on);
  std::vector<RenameNotice>::iterator pendingRename(const std::wstring& project, const std::wstring& oldPath);

  bool helper_;
  CallLog& log_;
  std::map<std::wstring, ClientProject, CaseInsensitiveLess> projects_;
  std::wstring active_;
  std::set<std::wstring, CaseInsensitiveLess> lockedFiles_;
  std::vector<RenameNotice> renames_;
};

}  // namespace vox::siblings
