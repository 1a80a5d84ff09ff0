#pragma once
// The add-on's project-monitor client as the module uses it: it opens the active project's
// database, watches the project's drawings, keeps project variables, takes notice of drawing
// renames and tells whether this instance is its background helper process.
// Projects are named by their project ID (the project file path as the module holds it); paths
// compare ignoring case. The free functions forward to the installed service (see
// VoxSiblingServices.h); with none installed they fail (false).

#include <string>
#include <vector>

class VoxPmClientApp {
 public:
  virtual ~VoxPmClientApp() = default;

  // Opens `project` with the client; `database` (null: the project's default) names its
  // database. The three options are passed through; the module gives 0 for each.
  virtual bool openProject(const std::wstring& project, const wchar_t* database, int option1, int option2,
                           int option3) = 0;
  virtual bool closeProject(const std::wstring& project) = 0;
  virtual bool setActive(const std::wstring& project) = 0;
  // Writes out what the client holds pending for the active project.
  virtual bool flushActive() = 0;
  virtual bool setProjectVar(const std::wstring& project, const std::wstring& name, bool value) = 0;
  // The project's database path; false when there is none.
  virtual bool projectDb(const std::wstring& project, std::wstring& out) const = 0;

  // Starts (`on`) or stops watching drawings of an open project; the caller then reports the
  // change with projectLoaded.
  virtual bool monitorFile(const std::wstring& project, const std::wstring& file, bool on) = 0;
  virtual bool monitorFiles(const std::wstring& project, const std::vector<std::wstring>& files, bool on) = 0;
  virtual bool projectLoaded(const std::wstring& project) = 0;

  // The client's own lock on a file, released around a rename and taken again after.
  virtual bool lockFile(const std::wstring& file) = 0;
  virtual bool unlockFile(const std::wstring& file) = 0;
  // A drawing rename: started, then completed with the new path, or with null when it failed.
  virtual bool renameStarted(const std::wstring& project, const std::wstring& oldPath) = 0;
  virtual bool renameCompleted(const std::wstring& project, const std::wstring& oldPath, const wchar_t* newPath) = 0;

  virtual bool isHelperProcess() const = 0;
};

bool PmOpenProject(const std::wstring& project, const wchar_t* database, int option1, int option2, int option3);
bool PmCloseProject(const std::wstring& project);
bool PmSetActive(const std::wstring& project);
bool PmFlushActive();
bool PmSetProjectVar(const std::wstring& project, const std::wstring& name, bool value);
// The database path into `out`. The client's interface gives it in a 260-character buffer, so
// a path of more than 259 characters fails and leaves `out` unchanged.
bool PmGetProjectDb(const std::wstring& project, std::wstring& out);
bool PmMonitorFile(const std::wstring& project, const std::wstring& file, bool on);
bool PmMonitorFiles(const std::wstring& project, const std::vector<std::wstring>& files, bool on);
bool PmProjectLoaded(const std::wstring& project);
bool PmLockFile(const std::wstring& file);
bool PmUnlockFile(const std::wstring& file);
bool PmRenameStarted(const std::wstring& project, const std::wstring& oldPath);
bool PmRenameCompleted(const std::wstring& project, const std::wstring& oldPath, const wchar_t* newPath);
// True when this instance is the client's background process; false with no client installed.
bool PmIsHelperProcess();
