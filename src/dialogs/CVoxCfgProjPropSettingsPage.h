#pragma once
// The Project Settings page of the project properties sheet: misc project settings only.
//
//   libraries     schematic-libraries (1), schematic-icon-menu (2), panel-libraries (3),
//                 panel-icon-menu (4): paths
//   catalog       catalog-mode (6: radio, written as its number), catalog-own-file (23: check
//                 box, 1 or 0), catalog-file (24: path)
//   options       project-option-32 (32: check box, 1 or 0), position (31: a drop-down list;
//                 entry N > 0 writes N - 1, the first entry clears the setting)
//   standard      code-standard (38: the code of the chosen entry of the code standards)
//   project file  project-file: the project file's path, read-only
//
// The code standard list holds the standards the circuit builder offers (display name, code).
// On opening, the entry whose code equals setting 38 is chosen; when none does, the first entry
// whose code is empty or "NEC". As on every settings page, only what the user changed is
// written back.

#include <string>
#include <vector>

#include "dialogs/SettingsPage.h"
#include "host/VoxCircuitBuilder.h"

class CVoxCfgProjPropSettingsPage : public vox::dialogs::SettingsPage {
 public:
  CVoxCfgProjPropSettingsPage(std::vector<VoxCodeStandard> standards, std::wstring projectFile);

  std::wstring title() const override;
  std::wstring helpSuffix() const override { return L"settings_page_dialog"; }

  void load(const VoxCfgDrawingSettings& settings, const VoxPrmMiscProjSettings* misc) override;
  std::vector<HcDialogField> fields() const override;
  // The library fields ask for a folder, the other path fields for a file; a cancelled choice
  // leaves the field as it was.
  bool browse(const std::wstring& id) override;
  void store(VoxCfgDrawingSettings& settings, VoxPrmMiscProjSettings* misc) const override;

 protected:
  void refreshEnabled() override;

 private:
  // The code of the entry shown for a stored code standard; empty when the list is empty.
  std::wstring shownStandardCode(const VoxPrmMiscProjSettings& misc) const;

  std::vector<VoxCodeStandard> m_standards;
  std::wstring m_projectFile;
  int m_loadedPosition = 0;
};
