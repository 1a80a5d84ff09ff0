#pragma once
// The Drawing Settings page of the drawing properties sheet: the drawing's own values, which
// no shared page edits.
//
//   drawing       file-name, project (shown only)
//   descriptions  description-1 .. description-3: title values 0-2; the entry's description lines
//   codes         project-code, installation-code, location-code: title values 3-5; drawing
//                 settings 51 "IEC_PROJ", 52 "IEC_INST", 53 "IEC_LOC"
//   sheet         sheet, drawing: title values 6-7; drawing settings 13 "SHEET", 46 "SHEETDWGNAME"
//   section       section, sub-section: title values 8-9; the entry's section and sub-section;
//                 reference: the entry's reference flag (disabled without an entry)
//   layers        frozen-layers: a list of the drawing's layers other than the current one; the
//                 selected ones are frozen, the others thawed
//
// The page reads the title values, the entry and the layer lists of the sheet's data; on accept
// it writes all ten title values, the five drawing settings whose value it changed, the entry
// and the layer lists back into them.

#include "dialogs/DrawingSheetData.h"
#include "dialogs/PropertyPage.h"

namespace vox::dialogs {

class CVoxCfgDrawingPropSettingsPage : public PropertyPage {
 public:
  // `data` (borrowed) is the sheet's and outlives the page.
  explicit CVoxCfgDrawingPropSettingsPage(DrawingSheetData& data) : m_data(data) {}

  std::wstring title() const override;
  std::wstring helpSuffix() const override { return L"settings_page_dialog"; }

  void load(const VoxCfgDrawingSettings& settings, const VoxPrmMiscProjSettings* misc) override;
  std::vector<HcDialogField> fields() const override;
  bool setField(const std::wstring& id, const std::wstring& value) override;
  std::optional<PageRefusal> leave() override { return std::nullopt; }
  void store(VoxCfgDrawingSettings& settings, VoxPrmMiscProjSettings* misc) const override;

 private:
  // The title value position of a text field, or none.
  static std::optional<std::size_t> titlePosition(const std::wstring& id);
  HcDialogField layerField() const;
  bool selectFrozen(const std::wstring& rows);
  void storeEntry() const;
  void storeLayers() const;

  DrawingSheetData& m_data;
  core::TitleValues m_titles;
  bool m_reference = false;
  std::vector<std::wstring> m_layers;  // the layer list's rows
  std::vector<bool> m_frozen;          // per row
};

}  // namespace vox::dialogs
