#pragma once
// The new-drawing dialog ("new-drawing"): what a new drawing of the active project needs — file
// name, folder, template, three description lines, the IEC designators panel
// (CVoxCfgIECDesigCDlg), the sheet values panel (CVoxCfgSheetValsCDlg), the reference flag —
// and the full path composed from name and location as the user types.
//
// The description lists offer the project's description lines, the panel's section lists its
// sections (see NewDrawingLists.h). OK and OK-and-open-properties are enabled while the name is
// not blank. OK refuses, keeping the dialog open with a message and the focus on the field to
// correct: an existing drawing file (name), a path that is not a valid full path (location), a
// template that does not exist (template); an empty template field stands for "dftr.dwt" in the
// host's template folder ("TemplatePath"). On OK the template field, trimmed, is kept for the
// next dialog under the host's product key + "\Settings\DrawingNewDlg", value "TemplateFile".
// Cancel, Escape and Ctrl+Break close it as Cancel. createDrawing() then makes the drawing.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/CVoxCfgIECDesigCDlg.h"
#include "dialogs/CVoxCfgSheetValsCDlg.h"
#include "dialogs/NewDrawingCreation.h"
#include "host/HcDialogController.h"

class VoxPrmProject;

namespace vox::dialogs {

// The registry key (under the current user) and value of the template last used.
std::wstring newDrawingSettingsKey();
inline constexpr const wchar_t* kTemplateFileValue = L"TemplateFile";
// The template used when the template field is empty.
inline constexpr const wchar_t* kDefaultTemplateName = L"dftr.dwt";

class CVoxCfgDrawingNewDlg : public HcDialogController {
 public:
  // Over the active project, if there is one.
  CVoxCfgDrawingNewDlg();

  // Runs the dialog modally with the module's resources; Cancel at once without a project.
  int DoModal();

  std::wstring name() const override { return L"new-drawing"; }
  std::wstring title() const override;
  std::vector<HcDialogField> fields() const override;
  bool setField(const std::wstring& id, const std::wstring& value) override;
  bool browse(const std::wstring& id) override;
  std::vector<HcDialogButton> buttons() const override;
  HcDialogOutcome press(const std::wstring& buttonId) override;
  HcDialogOutcome cancel() override { return HcDialogOutcome::close(kHcDialogCancel); }

  bool hasProject() const { return !m_projectID.empty(); }
  // The composed path of the new drawing (empty while the name is blank).
  const std::wstring& fullPath() const { return m_fullPath; }
  // What OK collected (the template resolved); meaningful after OK.
  const NewDrawingRequest& request() const { return m_request; }
  // Closed with OK-and-open-properties.
  bool openPropertiesAfterwards() const { return m_openProperties; }

  // After OK: creates the drawing and fills `entry`; false, after a message, on failure.
  bool createDrawing(VoxPrmFileDetails& entry) const;

 private:
  explicit CVoxCfgDrawingNewDlg(const VoxPrmProject* project);
  void compose();
  HcDialogOutcome accept(bool openProperties);
  // The template to use, or a refusal.
  std::optional<std::wstring> resolvedTemplate() const;
  bool browseLocation();
  bool browseTemplate();

  std::wstring m_projectID;
  std::wstring m_projectFolder;
  std::wstring m_name;
  std::wstring m_location;
  std::wstring m_template;
  std::array<std::wstring, 3> m_descriptions;
  std::vector<std::wstring> m_offeredDescriptions;
  CVoxCfgIECDesigCDlg m_iec;
  CVoxCfgSheetValsCDlg m_sheet;
  bool m_reference = false;
  std::wstring m_fullPath;
  NewDrawingRequest m_request;
  bool m_openProperties = false;
};

}  // namespace vox::dialogs
