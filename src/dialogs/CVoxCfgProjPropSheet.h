#pragma once
// The project properties sheet: the active project's misc settings and default drawing settings
// on six pages, in this order: Project Settings, Components, Wire Numbers, Cross-References,
// Styles, Drawing Format.
//
// The shared pages show the project's default drawing settings laid over the built-in defaults;
// the ladder orientation of their pictures follows setting 0 as the sheet opens. On OK, after the
// current page let itself be left, every page that was shown writes back in page order: it takes
// the project's current misc settings and default drawing settings, sets what it changed, hands
// the misc settings to the manager (which announces the change) and stores the defaults in the
// project. Then, only when the project's data now differ from what its file holds, the project
// file is written. Pages never shown write nothing; Cancel writes nothing.
//
// The sheet keeps the project's ID, not the project: a project closed while the sheet is open
// is not written to, and OK then only closes the sheet.

#include <memory>
#include <string>

#include "dialogs/PropertySheetController.h"

class VoxPrmProject;
class VoxPrmProjectManager;

class CVoxCfgProjPropSheet : public vox::dialogs::PropertySheetController {
 public:
  // The sheet over the open project `projectID` of `manager`, showing its first page. The
  // project must be open.
  CVoxCfgProjPropSheet(VoxPrmProjectManager& manager, const std::wstring& projectID);

  // The sheet over the active project; null when there is none, and the sheet ends at once.
  static std::unique_ptr<CVoxCfgProjPropSheet> forActiveProject(VoxPrmProjectManager* manager);

  // Whether OK wrote the project file.
  bool wroteProjectFile() const { return m_wrote; }

 protected:
  void storePage(vox::dialogs::PropertyPage& page) override;
  HcDialogOutcome finishAccept() override;
  void showHelp(const std::wstring& topic) override;

 private:
  // The project, looked up again: null once it was closed.
  VoxPrmProject* project() const;

  VoxPrmProjectManager& m_manager;
  std::wstring m_projectID;
  bool m_wrote = false;
};
