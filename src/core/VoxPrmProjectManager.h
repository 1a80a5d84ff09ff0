#pragma once
// The one owner of the open projects: an ordered open list (the index is the project index of
// the interface), the active project, opening, closing and activating in a fixed event order, a
// limit of 30 open projects after each activation, names and task files derived from project
// IDs, project-file locking passed through to the file locker, packing, and the drawing-list
// display order in the settings store. It raises the 22 project events.
//
// Project-ID and path arguments are normalised ("/" becomes "\") and compared ignoring case; a
// null project ID, where allowed, stands for the active project. After a forced close of the
// active project the active ID keeps naming it while no project object is active: lookups of the
// active project find nothing until another one is activated, but isActiveProject still holds.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/ManagerFileServices.h"
#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectEvents.h"

class VoxPrmProjectManager {
 public:
  static constexpr int kMaxOpenProjects = 30;

  explicit VoxPrmProjectManager(vox::core::ManagerParts parts = {});
  // Stops monitoring, releases this instance's locks and destroys the projects; raises nothing.
  virtual ~VoxPrmProjectManager();
  VoxPrmProjectManager(const VoxPrmProjectManager&) = delete;
  VoxPrmProjectManager& operator=(const VoxPrmProjectManager&) = delete;

  // --- Access -----------------------------------------------------------------------------------
  int getProjectCount() const { return static_cast<int>(m_projects.size()); }
  VoxPrmProject* getProject(int index) const;
  VoxPrmProject* getProject(const wchar_t* projectID) const;
  int getProjectIndex(const wchar_t* projectID) const;
  // Whether the ID is the active project ID (not whether that project is open); false for null.
  bool isActiveProject(const wchar_t* projectID) const;
  // False, `out` untouched, when the active ID names no open project.
  bool getActiveProjectID(std::wstring& out) const;
  bool getProjectDependents(std::vector<std::wstring>& out, const wchar_t* projectID, int flags) const;

  // --- Names ------------------------------------------------------------------------------------
  bool getProjNameFromID(const std::wstring& projectID, std::wstring& out) const;
  // Null: the active project when it is open, else the empty name.
  void makeProjectPrettyNameFromID(const wchar_t* projectID, std::wstring& out) const;
  // Another (or the same) open project with the same name: its ID into `out` when not null.
  bool isProjectSameNameAsExisting(const wchar_t* projectID, std::wstring* out) const;
  // The active project when it lists the drawing, else the first other open project that does.
  bool findMatchingProject(const std::wstring& drawingPath, std::wstring& projectID) const;
  bool generateTaskFileNameForProject(const std::wstring& projectID, std::wstring& out) const;
  bool generateProjectFileNameFromTaskName(const std::wstring& taskPath, std::wstring& out) const;
  bool projectHasTasks(const wchar_t* projectID) const;

  // --- Opening, closing, activating -------------------------------------------------------------
  bool openProject(const wchar_t* path, bool activate, bool skipSameNameCheck);
  // Unless `force`, the active project is not closed.
  bool closeProject(const wchar_t* projectID, bool force);
  // Destroys the project at `index` alone: no event, no monitoring change, the active ID kept.
  // Throws std::invalid_argument for an index outside the list.
  bool closeProject(int index);
  bool closeAllNonActiveProjects();
  bool setActiveProject(const wchar_t* projectID);

  // --- Drawing list: each change is written back, then announced (the "pre" operations announce
  // first and change memory only). A failed write returns false, raises nothing and keeps the
  // change in memory, so the next successful write carries it. ---------------------------------
  bool addFileToProject(VoxPrmFileDetails& details, const wchar_t* projectID, bool updateTerms, bool silentTerms);
  // Entries already in the project are skipped; the event carries the array as passed.
  bool addFilesToProject(const std::vector<VoxPrmFileDetails>& details, const wchar_t* projectID, bool updateTerms,
                         bool silentTerms);
  bool removeFileFromProject(const std::wstring& path, const wchar_t* projectID);
  bool removeFilesFromProject(const std::vector<std::wstring>& paths, const wchar_t* projectID);
  bool replaceFileInProject(const std::wstring& oldPath, const std::wstring& newPath, const wchar_t* projectID);
  // As replace, without the event.
  bool renameFileInProject(const std::wstring& oldPath, const std::wstring& newPath, const wchar_t* projectID);
  bool modifyDetailsForFileInProject(const VoxPrmFileDetails& details, const wchar_t* projectID);
  bool setMiscProjSettingsInProject(const VoxPrmMiscProjSettings& settings, const wchar_t* projectID);
  bool isFileInProject(const std::wstring& path, const wchar_t* projectID) const;
  // An entry whose path equals `path` exactly apart from letter case (no normalisation).
  bool isInProject(const wchar_t* path, const wchar_t* projectID) const;
  // New drawings with terminal links are updated by the LISP core, silently or after asking.
  bool updateTermAssociations(const std::vector<VoxPrmFileDetails>& details, VoxPrmProject* project, bool silentTerms);
  // Drawings whose settings the LISP core must re-read when they are next activated.
  void setDrawingsNeedWD_MUpdate(const std::vector<std::wstring>& paths, bool append);
  bool notifyLispWD_MAndRemove(const wchar_t* path);
  const std::vector<std::wstring>& drawingsNeedingWD_MUpdate() const { return m_needsWDMUpdate; }
  // Closes the project (even the active one) and opens it from its new path, active if it was.
  bool projectMoved(const std::wstring& oldProjectID, const std::wstring& newPath);

  // --- Path repair when a project is opened --------------------------------------------------
  // Every absolute entry's file name exists in `folder`.
  bool allFoundAtPath(const VoxPrmProject* project, const wchar_t* folder) const;
  // Re-points each missing absolute entry to `folder` where its file is; true when all could be.
  bool repairPaths(VoxPrmProject* project, const wchar_t* folder);
  // Asks the user how to repair missing drawings and writes the project under its lock; true
  // only when a repair was made.
  bool verifyAndRepairAbsolutePaths(VoxPrmProject* project);

  // --- Changes of project files made elsewhere ----------------------------------------------------
  // A pending re-read: the changed file and the id of its one-shot timer on the palette window.
  struct _filetimer {
    std::wstring path;
    std::uintptr_t timerID = 0;
  };
  static constexpr unsigned kReReadDelayMs = 100;
  std::vector<_filetimer>& getFileTimerList() { return m_fileTimers; }
  // Arms (or re-arms) the 100 ms re-read delay for a path; always true.
  bool setReReadTimer(const std::wstring& path);
  // The timer `timerID` fired: its record goes, and the palette window is asked to re-read the
  // project at the path's index (-1 when it was closed meanwhile).
  void onReReadTimer(std::uintptr_t timerID);
  // Reads an open project again in place (null: the active one), between the two re-read events.
  bool reReadProject(const wchar_t* projectID);
  // The file notifier's events.
  void onFileChangedContent(const wchar_t* path);
  void onFileChangedReadOnly(const wchar_t* path, bool readOnly);
  void onFileCreated(const wchar_t* path);
  void onFileDeleted(const wchar_t* path);
  void onFileRenamed(const wchar_t* oldPath, const wchar_t* newPath);

  // --- Locking, through the file locker ---------------------------------------------------------
  bool lockProjectFile(const wchar_t* path);
  bool unlockProjectFile(const wchar_t* path);
  bool isProjectFileLocked(const wchar_t* path);
  _lockStatus whoHasProjectFileLocked(const wchar_t* path, std::wstring& holder);
  _lockStatus whoHasProjectFileLocked(const wchar_t* path, std::wstring* holder, std::wstring* machine,
                                      std::wstring* time);

  // --- Start-up and activation notices ----------------------------------------------------------
  bool InitialOpenComplete() const { return m_initialOpenComplete; }
  void setInitialOpenCompleteTrue() { m_initialOpenComplete = true; }
  void StartupProjectLoadingComplete() { onStartupProjectLoadingComplete(); }
  void drawingActivated(const std::wstring& path) { onDrawingActivate(path); }

  // --- Packing ----------------------------------------------------------------------------------
  // Empty: the active project. A project file (ending in "wdp"): that project when open. Else a
  // drawing: the project that lists it.
  void setProjectToBePacked(const std::wstring& what);
  // The project ID, its drawings in order, then its non-drawing dependents.
  void getProjectToBePacked(std::vector<std::wstring>& out) const;
  void resetProjectToBePacked() { m_toBePackedID.clear(); }

  // --- Drawing-list display order ---------------------------------------------------------------
  bool getDwgDisplaySetting(std::vector<int>& order, std::wstring& separator, bool& showSelection) const;
  bool setDwgDisplaySetting(const std::vector<int>& order, const std::wstring& separator, bool showSelection);

  // --- Events -----------------------------------------------------------------------------------
  VoxPrmProjectEvents& events() { return m_events; }
  void unsubscribeAll(const VoxPrmProjectEventReceiver* receiver) { m_events.unsubscribeAll(receiver); }

  void onProjectOpen(const std::wstring& id) { m_events.projectOpen.raise(id); }
  void onProjectClose(const std::wstring& id) { m_events.projectClose.raise(id); }
  void onProjectCloseAllNA() { m_events.projectCloseAllNA.raise(); }
  void onPreProjectReRead(const std::wstring& id) { m_events.preProjectReRead.raise(id); }
  void onProjectReRead(const std::wstring& id) { m_events.projectReRead.raise(id); }
  void onProjectSetActive(const std::wstring& id) { m_events.projectSetActive.raise(id); }
  void onProjectActived(const std::wstring& id) { m_events.projectActived.raise(id); }
  void onProjectDeactivate(const std::wstring& id) { m_events.projectDeactivate.raise(id); }
  void onProjectLocked(const std::wstring& id) { m_events.projectLocked.raise(id); }
  void onProjectUnlocked(const std::wstring& id) { m_events.projectUnlocked.raise(id); }
  void onProjectReadOnlyChanged(const std::wstring& id, bool readOnly) { m_events.projectReadOnlyChanged.raise(id, readOnly); }
  void onProjectAddDrawing(const std::wstring& id, const VoxPrmFileDetails& d) { m_events.projectAddDrawing.raise(id, d); }
  void onProjectAddDrawings(const std::wstring& id, const std::vector<VoxPrmFileDetails>& d) {
    m_events.projectAddDrawings.raise(id, d);
  }
  void onProjectRemoveDrawing(const std::wstring& id, const std::wstring& path, bool isReference) {
    m_events.projectRemoveDrawing.raise(id, path, isReference);
  }
  void onProjectRemoveDrawings(const std::wstring& id, const std::vector<VoxPrmFileDetails>& d) {
    m_events.projectRemoveDrawings.raise(id, d);
  }
  void onProjectReplaceDrawing(const std::wstring& id, const std::wstring& from, const std::wstring& to, bool isReference) {
    m_events.projectReplaceDrawing.raise(id, from, to, isReference);
  }
  void onProjectTasksAdded(const std::wstring& id, const std::wstring& task) { m_events.projectTasksAdded.raise(id, task); }
  void onProjectTasksDeleted(const std::wstring& id, const std::wstring& task) { m_events.projectTasksDeleted.raise(id, task); }
  void onPreProjectDrawingDetailsModify(const std::wstring& id, const VoxPrmFileDetails& d) {
    m_events.preProjectDrawingDetailsModify.raise(id, d);
  }
  void onPreProjectSetMiscProjectSettings(const std::wstring& id, const VoxPrmMiscProjSettings& s) {
    m_events.preProjectSetMiscProjectSettings.raise(id, s);
  }
  void onStartupProjectLoadingComplete() { m_events.startupProjectLoadingComplete.raise(); }
  void onDrawingActivate(const std::wstring& path) { m_events.drawingActivate.raise(path); }

 private:
  void constructorInit();
  std::wstring resolve(const wchar_t* projectID) const;  // null: the active ID
  int indexOf(const std::wstring& normalisedID) const;
  void monitorProjectFiles(const std::wstring& projectID, bool on);
  void reportOpenedToRecentProjects(const VoxPrmProject& project);
  void enforceOpenProjectLimit();
  // The project an operation acts on (null: the active one) and the ID its events carry.
  struct Resolved {
    VoxPrmProject* project = nullptr;
    std::wstring id;
  };
  Resolved resolveProject(const wchar_t* projectID) const;
  bool replaceOrRename(const std::wstring& oldPath, const std::wstring& newPath, const wchar_t* projectID, bool quiet);
  void saveRepairedProject(VoxPrmProject& project);
  // The open project a lock file (path + ".FLL") or task file belongs to: its index, or -1.
  int projectOfLockFile(const wchar_t* path) const;
  void onTaskOrLockFile(const wchar_t* path, bool created);

  VoxPrmProject* m_activeProject = nullptr;
  std::wstring m_activeProjectID;
  std::vector<std::unique_ptr<VoxPrmProject>> m_projects;
  std::unique_ptr<vox::core::ProjectFileWatcher> m_fileNotifier;
  std::unique_ptr<vox::core::ProjectFileLocker> m_fileLocker;
  bool m_initialOpenComplete = false;
  std::wstring m_toBePackedID;
  std::vector<std::wstring> m_needsWDMUpdate;
  std::vector<_filetimer> m_fileTimers;
  std::uintptr_t m_timerCounter = 0;
  VoxPrmProjectEvents m_events;
  vox::core::ManagerParts m_parts;
};

// The module's project manager, or null before the navigation manager made one.
VoxPrmProjectManager* GetProjectManager();
// The active project of the manager, or null.
VoxPrmProject* GetActiveProject();
// The open project that lists the drawing (the active one first), or null.
VoxPrmProject* FindDwgInOpenProject(const wchar_t* path);
