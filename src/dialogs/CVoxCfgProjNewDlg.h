#pragma once
// The new-project dialog: the project's name, its folder, whether the project gets a folder of
// its own name there, the project whose settings it copies, and its description lines. The full
// path of the new project file follows every change of name, folder or folder choice.
//
// Fields (ids for scripts): name, location (browse: a folder), create-folder, settings-file
// (browse: a project file), description-lines (read-only), full-path (read-only path).
// Buttons: ok and ok-properties (only while there is a name), cancel, help, descriptions (the
// LISP core's description-line editor).
//
// At the start the folder is the add-on's "WD_PROJ" folder, the settings source the one last
// used (kept under the product key + "\Settings\ProjNewDlg", value "SettingsFile"), else the
// active project's file. The create-folder choice is one for the whole module: set at first and
// kept, not stored, until the module is unloaded.
//
// OK refuses, in this order, with the offending field focused: an existing file at the full
// path (name); a name that cannot be a file name (name); a path that is not already full and
// absolute (location); a settings source that does not exist (settings-file). Otherwise it
// stores the settings source and closes. The dialog itself only reads the active project's
// identity; createProjectFile() writes the one new file.

#include <string>
#include <vector>

#include "host/HcDialogController.h"

namespace vox::dialogs {

class CVoxCfgProjNewDlg : public HcDialogController {
 public:
  // The settings-store key of the dialog's stored values under the host's product key.
  static std::wstring settingsKey();
  // The module-wide create-folder choice.
  static bool createFolderChoice();
  static void setCreateFolderChoice(bool createFolder);

  CVoxCfgProjNewDlg();

  std::wstring name() const override { return L"new-project"; }
  std::wstring title() const override;
  std::vector<HcDialogField> fields() const override;
  bool setField(const std::wstring& id, const std::wstring& value) override;
  bool browse(const std::wstring& id) override;
  std::vector<HcDialogButton> buttons() const override;
  HcDialogOutcome press(const std::wstring& buttonId) override;

  // After OK: the new project file, and whether its properties are to be edited next.
  const std::wstring& fullPath() const { return m_fullPath; }
  bool openPropertiesAfter() const { return m_propertiesAfter; }
  const std::vector<std::wstring>& descriptionLines() const { return m_descriptions; }
  const std::wstring& descriptionFlags() const { return m_descriptionFlags; }

  // Writes the new project file (its folders made first) with the settings of the settings
  // source, or of the active project's file when there is none; true when it was written.
  bool createProjectFile() const;

 private:
  void compose();
  HcDialogOutcome accept(bool propertiesAfter);
  HcDialogOutcome editDescriptions();
  bool hasName() const;

  std::wstring m_name;
  std::wstring m_location;
  std::wstring m_defaultLocation;  // the "WD_PROJ" folder
  std::wstring m_settingsFile;
  std::vector<std::wstring> m_descriptions;
  std::wstring m_descriptionFlags;
  std::wstring m_fullPath;
  bool m_propertiesAfter = false;
  bool m_busy = false;  // the description-line editor runs: everything is greyed
};

}  // namespace vox::dialogs
