#pragma once
// One open project as the project manager holds it: its ID (the project file path with
// backslashes, in the letter case it was opened with), the content being edited, a copy of the
// content as it stands in the file (the old data), and its own filer. Edits made here change only
// memory; the manager's drawing-list operations add the write-back and the events. Only the
// manager creates and destroys projects; others borrow the pointer for a call.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "projectfile/VoxPrmWDPFiler.h"
#include "records/VoxPrmProjectData.h"

class VoxPrmProject {
 public:
  // Flags of getProjectDependents, combinable.
  enum DependentFlags { kDrawingDependents = 1, kNonDrawingDependents = 2 };

  // Empty: no ID, default data, closed filer.
  VoxPrmProject();
  virtual ~VoxPrmProject();
  VoxPrmProject(const VoxPrmProject&) = delete;
  VoxPrmProject& operator=(const VoxPrmProject&) = delete;

  // --- Identity and file I/O ------------------------------------------------------------------

  const std::wstring& getProjectID() const { return m_projectID; }
  // The ID becomes `path` as passed; then the file is read into the current data and the old
  // data become a copy of it. False (data unchanged, the ID already new) when it cannot be opened.
  bool readProject(const std::wstring& path);
  // Writes the current data to `path`, or to the project ID when null; the ID never changes. On
  // success the old data become a copy of the current data. False when the target cannot be
  // opened for writing or the write fails (then the old data stay as they were).
  bool writeProject(const wchar_t* path);
  VoxPrmProjectData& GetProjData() { return *m_data; }
  const VoxPrmProjectData& GetProjData() const { return *m_data; }
  VoxPrmProjectData& GetOldProjData() { return *m_oldData; }

  // --- Content, forwarded to the current data -------------------------------------------------

  const std::vector<std::wstring>& getProjDescriptions() const { return m_data->getProjDescriptions(); }
  // The first four description lines, an empty string for each missing one.
  std::array<std::wstring, 4> firstFourDescriptions() const;
  void setProjDescriptions(const std::vector<std::wstring>& lines) { m_data->setProjDescriptions(lines); }
  const VoxCfgDrawingSettings& getProjDefWDMVals() const { return m_data->getProjDefWDMVals(); }
  void setProjDefWDMVals(const VoxCfgDrawingSettings& settings) { m_data->setProjDefWDMVals(settings); }
  const VoxPrmMiscProjSettings& getMiscProjSettings() const { return m_data->getMiscProjSettings(); }
  void setMiscProjSettings(const VoxPrmMiscProjSettings& settings) { m_data->setMiscProjSettings(settings); }
  const std::vector<VoxPrmFileDetails>& getProjFileDetails() const { return m_data->getProjFileDetails(); }
  bool getDetailsForFiles(const std::vector<std::wstring>& paths, std::vector<VoxPrmFileDetails>& out) const {
    return m_data->getDetailsForFiles(paths, out);
  }
  bool modifyDetailsForFile(const VoxPrmFileDetails& details) { return m_data->modifyDetailsForFile(details); }
  bool addFile(VoxPrmFileDetails& details) { return m_data->addFile(details); }
  bool addFiles(const std::vector<VoxPrmFileDetails>& files) { return m_data->addFiles(files); }
  bool removeFile(const std::wstring& path) { return m_data->removeFile(path); }
  bool removeFiles(const std::vector<std::wstring>& paths) { return m_data->removeFiles(paths); }
  bool removeAllFiles() { return m_data->removeAllFiles(); }
  bool replaceFile(const std::wstring& oldPath, const std::wstring& newPath) { return m_data->replaceFile(oldPath, newPath); }
  bool isFileInProject(const std::wstring& path, bool* isReference = nullptr) const {
    return m_data->isFileInProject(path, isReference);
  }

  // --- Document-store hooks: no document store is integrated, so their answers are fixed ------

  bool getUseDepot() const { return m_useDepot; }
  void setUseDepot(bool) {}
  int getState(const std::wstring&) const { return 0; }
  void changedState(const std::wstring&, int, const std::wstring&) {}
  void changedContent(const std::wstring&) {}
  bool isFileAvailable(const std::wstring&) const { return true; }
  bool makeFileAvailable(const std::wstring&) { return true; }

  // --- Dependents -------------------------------------------------------------------------------

  // Appends (never clears): with kDrawingDependents every entry's file name in project order,
  // references included; with kNonDrawingDependents, after them, getNonDwgDependents.
  void getProjectDependents(std::vector<std::wstring>& out, int flags) const;
  // Appends the project's related non-drawing files named by the LISP core
  // ("wd_cpyprj_chk4_related_files"), with backslashes; false, `out` untouched, when the call fails.
  bool getNonDwgDependents(std::vector<std::wstring>& out) const;

 private:
  std::wstring m_projectID;
  std::unique_ptr<VoxPrmProjectData> m_data;
  std::unique_ptr<VoxPrmProjectData> m_oldData;
  std::unique_ptr<VoxPrmWDPFiler> m_filer;
  bool m_useDepot = false;
};
