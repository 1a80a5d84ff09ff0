#pragma once
// The comparison of a drawing's settings with its project's default drawing settings: a grid of
// rows (key, description, drawing value, project value; see SettingsCompareRows.h), by default
// only the rows whose values differ, a check box to show every row, and two buttons that copy
// the selected rows' values from the project to the drawing or the other way, highlighting each
// changed cell and its row's description. OK writes every row back into both records, which the
// caller then stores; Cancel keeps the records as they came. The grid's row height and column
// widths, as the user leaves them, are kept in the registry for the next time.
//
// Fields: "show-all" (check), "grid" (table; the value is the selected rows' indices among the
// rows shown, "0,3"). Buttons: "copy-to-drawing", "copy-to-project", "help", "ok", "cancel".

#include <string>
#include <vector>

#include "dialogs/CompareGridLayout.h"
#include "dialogs/SettingsCompareRows.h"
#include "host/HcDialogController.h"
#include "records/VoxCfgDrawingSettings.h"

class CVoxCfgDwgSettingsCompareDlg : public HcDialogController {
 public:
  // `drawingName`: the drawing's file name; `projectName`: the project's pretty name. The texts
  // come from the LISP core's messages and the module's catalog.
  CVoxCfgDwgSettingsCompareDlg(const VoxCfgDrawingSettings& drawing, const VoxCfgDrawingSettings& project,
                               std::wstring drawingName, std::wstring projectName);
  CVoxCfgDwgSettingsCompareDlg(const VoxCfgDrawingSettings& drawing, const VoxCfgDrawingSettings& project,
                               std::wstring drawingName, std::wstring projectName, vox::dialogs::CompareTexts texts);

  // The texts the rows are shown with: descriptions, on and off, the style names.
  static vox::dialogs::CompareTexts loadTexts();

  // The records: as given, and after OK with the grid written back.
  const VoxCfgDrawingSettings& drawingSettings() const { return m_drawing; }
  const VoxCfgDrawingSettings& projectSettings() const { return m_project; }
  // Every row, and the rows shown (in the grid's order).
  const std::vector<vox::dialogs::CompareRow>& rows() const { return m_rows; }
  std::vector<vox::dialogs::CompareRow> shownRows() const;
  bool showAll() const { return m_showAll; }
  const vox::dialogs::CompareTexts& texts() const { return m_texts; }

  std::wstring name() const override { return L"compare-settings"; }
  std::wstring title() const override;
  std::vector<HcDialogField> fields() const override;
  bool setField(const std::wstring& id, const std::wstring& value) override;
  std::vector<HcDialogButton> buttons() const override;
  HcDialogOutcome press(const std::wstring& buttonId) override;
  void tableLayoutChanged(const std::wstring& id, int rowHeight, const std::vector<int>& columnWidths) override;

 private:
  void filterRows();
  bool select(const std::wstring& value);
  HcDialogOutcome copy(vox::dialogs::CopyDirection direction);
  HcDialogOutcome close(int result);
  HcDialogField gridField() const;

  VoxCfgDrawingSettings m_drawing;
  VoxCfgDrawingSettings m_project;
  std::wstring m_drawingName;
  std::wstring m_projectName;
  vox::dialogs::CompareTexts m_texts;
  std::vector<vox::dialogs::CompareRow> m_rows;
  std::vector<std::size_t> m_shown;   // indices into m_rows
  std::vector<std::size_t> m_selected;  // positions in m_shown, ascending
  bool m_showAll = false;
  vox::dialogs::CompareGridLayout m_layout;
  bool m_layoutChanged = false;
};
