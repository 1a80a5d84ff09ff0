// The settings comparison dialog over two records: which rows it shows, copying the selected
// rows either way with their highlights, and what OK writes back into both records; the grid
// layout's text form.

#include <gtest/gtest.h>

#include <algorithm>

#include "PageFixture.h"
#include "dialogs/CVoxCfgDwgSettingsCompareDlg.h"
#include "dialogs/CompareGridLayout.h"
#include "dialogs/SettingsCompareRows.h"

namespace vox::dialogs::test {
namespace {

class SettingsCompare : public PageTest {
 protected:
  static void set(VoxCfgDrawingSettings& settings, int index, const std::wstring& value) {
    settings.setValue(index, &value);
  }
  static std::vector<std::wstring> keys(const std::vector<CompareRow>& rows) {
    std::vector<std::wstring> out;
    for (const CompareRow& row : rows) out.push_back(row.key);
    return out;
  }
  // The position of the row `key` among the rows the dialog shows, as text; "?" when not shown.
  static std::wstring position(const CVoxCfgDwgSettingsCompareDlg& dialog, const std::wstring& key) {
    const std::vector<CompareRow> rows = dialog.shownRows();
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (rows[i].key == key) return std::to_wstring(i);
    return L"?";
  }
  // A copy: the fields are made anew for every call.
  static HcTableCell gridCell(const CVoxCfgDwgSettingsCompareDlg& dialog, std::size_t row, std::size_t column) {
    for (const HcDialogField& f : dialog.fields())
      if (f.id == L"grid" && row < f.rows.size() && column < f.rows[row].size()) return f.rows[row][column];
    return {L"<none>", false};
  }
  static bool buttonEnabled(const CVoxCfgDwgSettingsCompareDlg& dialog, const std::wstring& id) {
    for (const HcDialogButton& b : dialog.buttons())
      if (b.id == id) return b.enabled;
    return false;
  }
  CVoxCfgDwgSettingsCompareDlg dialog(const VoxCfgDrawingSettings& drawing, const VoxCfgDrawingSettings& project) {
    return {drawing, project, L"A01.dwg", L"PLANT"};
  }
};

TEST_F(SettingsCompare, EqualSettingsShowNoRowsAndTheDrawingSpecificOnesNeverAppear) {
  VoxCfgDrawingSettings drawing = fullSettings(37);
  const VoxCfgDrawingSettings project = fullSettings(37);
  for (const int index : {13, 46, 51, 52, 53}) set(drawing, index, L"only in the drawing");
  CVoxCfgDwgSettingsCompareDlg compare = dialog(drawing, project);
  EXPECT_TRUE(compare.shownRows().empty()) << "first row shown: " << keys(compare.shownRows()).front().size();

  ASSERT_TRUE(compare.setField(L"show-all", L"1"));
  const std::vector<std::wstring> all = keys(compare.shownRows());
  std::vector<std::wstring> expected;
  for (int index = 0; index <= 76; ++index)
    if (index != 13 && index != 46 && (index < 50 || index > 53)) expected.push_back(std::to_wstring(index));
  for (const wchar_t* flag : {L"50,1", L"50,2", L"50,4", L"50,8", L"50,16", L"50,32"}) expected.push_back(flag);
  EXPECT_EQ(all, expected);
}

TEST_F(SettingsCompare, RowsShowTheLabelsFlagTextsAndStyleNames) {
  VoxCfgDrawingSettings drawing = fullSettings(1 | 64);
  const VoxCfgDrawingSettings project = fullSettings(0);
  set(drawing, 9, L"%S%N");
  CVoxCfgDwgSettingsCompareDlg compare = dialog(drawing, project);
  EXPECT_EQ(keys(compare.shownRows()), (std::vector<std::wstring>{L"9", L"50,1", L"50,32"}));
  const std::vector<CompareRow> rows = compare.shownRows();
  EXPECT_EQ(rows[0].description.text, L"Wire number format (ex: %N)");
  EXPECT_EQ(rows[0].drawing.text, L"%S%N");
  EXPECT_EQ(rows[1].description.text, L"Scale - mm full size");
  EXPECT_EQ(rows[1].drawing.text, L"ON");
  EXPECT_EQ(rows[1].project.text, L"OFF");
  EXPECT_EQ(rows[2].drawing.text, compare.texts().styleNames[2]);
  EXPECT_EQ(rows[2].project.text, compare.texts().styleNames[0]);
  EXPECT_EQ(compare.title(), L"Drawing A01.dwg compared with project PLANT");
}

TEST_F(SettingsCompare, CopyingAFlagRowToTheDrawingChangesOnlyThatBit) {
  const VoxCfgDrawingSettings drawing = fullSettings(1);
  const VoxCfgDrawingSettings project = fullSettings(4 | 32);
  CVoxCfgDwgSettingsCompareDlg compare = dialog(drawing, project);
  EXPECT_EQ(keys(compare.shownRows()), (std::vector<std::wstring>{L"50,1", L"50,4", L"50,32"}));
  EXPECT_FALSE(buttonEnabled(compare, L"copy-to-drawing")) << "nothing is selected yet";
  ASSERT_TRUE(compare.setField(L"grid", position(compare, L"50,4")));
  EXPECT_TRUE(buttonEnabled(compare, L"copy-to-drawing"));
  EXPECT_FALSE(compare.press(L"copy-to-drawing").closed);
  EXPECT_EQ(gridCell(compare, 1, 2).text, L"ON");
  EXPECT_TRUE(gridCell(compare, 1, 2).highlighted) << "the changed cell";
  EXPECT_TRUE(gridCell(compare, 1, 1).highlighted) << "the row's description";
  EXPECT_FALSE(gridCell(compare, 1, 3).highlighted) << "the source cell";
  EXPECT_FALSE(gridCell(compare, 0, 2).highlighted) << "a row that was not selected";

  const HcDialogOutcome outcome = compare.press(L"ok");
  EXPECT_TRUE(outcome.closed);
  EXPECT_EQ(outcome.result, kHcDialogOk);
  EXPECT_EQ(changedIndices(drawing, compare.drawingSettings()), std::set<int>{50});
  EXPECT_EQ(valueOf(compare.drawingSettings(), 50), L"5");
  EXPECT_TRUE(changedIndices(project, compare.projectSettings()).empty());
}

TEST_F(SettingsCompare, CopyingToTheProjectReplacesOnlyDifferingCellsOfTheSelectedRows) {
  VoxCfgDrawingSettings drawing = fullSettings();
  const VoxCfgDrawingSettings project = fullSettings();
  set(drawing, 9, L"%S%N");
  set(drawing, 11, L"1.0");
  set(drawing, 12, L"6.0");
  CVoxCfgDwgSettingsCompareDlg compare = dialog(drawing, project);
  ASSERT_TRUE(compare.setField(L"grid", position(compare, L"12") + L"," + position(compare, L"9")));
  compare.press(L"copy-to-project");
  compare.press(L"ok");
  EXPECT_EQ(changedIndices(project, compare.projectSettings()), (std::set<int>{9, 12}));
  EXPECT_EQ(valueOf(compare.projectSettings(), 9), L"%S%N");
  EXPECT_EQ(valueOf(compare.projectSettings(), 12), L"6.0");
  EXPECT_TRUE(changedIndices(drawing, compare.drawingSettings()).empty());
}

TEST_F(SettingsCompare, CancelKeepsBothRecordsAsTheyCame) {
  VoxCfgDrawingSettings drawing = fullSettings(2);
  const VoxCfgDrawingSettings project = fullSettings();
  set(drawing, 9, L"%S%N");
  CVoxCfgDwgSettingsCompareDlg compare = dialog(drawing, project);
  compare.setField(L"grid", L"0,1");
  compare.press(L"copy-to-project");
  const HcDialogOutcome outcome = compare.press(L"cancel");
  EXPECT_TRUE(outcome.closed);
  EXPECT_EQ(outcome.result, kHcDialogCancel);
  EXPECT_TRUE(changedIndices(project, compare.projectSettings()).empty());
  EXPECT_TRUE(changedIndices(drawing, compare.drawingSettings()).empty());
}

TEST_F(SettingsCompare, StyleNamesStandForTheirBitsAndAnyOtherTextLeavesThem) {
  const VoxCfgDrawingSettings base = fullSettings(1 | 64);
  CVoxCfgDwgSettingsCompareDlg compare = dialog(base, base);
  const CompareTexts& texts = compare.texts();
  std::vector<CompareRow> rows = compare.rows();
  CompareRow& style = rows.back();
  ASSERT_EQ(style.key, L"50,32");
  for (int i = 0; i < 4; ++i) {
    VoxCfgDrawingSettings drawing = base, project = base;
    style.drawing.text = texts.styleNames[static_cast<std::size_t>(i)];
    applyCompareRows(rows, texts, drawing, project);
    EXPECT_EQ(valueOf(drawing, 50), std::to_wstring(1 | (32 * i))) << "style " << i;
    EXPECT_EQ(valueOf(project, 50), L"65") << "the project's column kept its style";
  }
  VoxCfgDrawingSettings drawing = base, project = base;
  style.drawing.text = L"Zigzag";
  applyCompareRows(rows, texts, drawing, project);
  EXPECT_EQ(valueOf(drawing, 50), L"65");
  EXPECT_EQ(styleBits(L"zigzag", texts), -1);
}

TEST_F(SettingsCompare, FlagRowsTakeTheOnTextIgnoringCaseAndAnythingElseAsOff) {
  const VoxCfgDrawingSettings base = fullSettings(8 | 16);
  CVoxCfgDwgSettingsCompareDlg compare = dialog(base, base);
  std::vector<CompareRow> rows = compare.rows();
  const auto row = [&](const wchar_t* key) -> CompareRow& {
    return *std::find_if(rows.begin(), rows.end(), [&](const CompareRow& r) { return r.key == key; });
  };
  row(L"50,2").drawing.text = L"on";
  row(L"50,8").drawing.text = L"maybe";
  VoxCfgDrawingSettings drawing = base, project = base;
  applyCompareRows(rows, compare.texts(), drawing, project);
  EXPECT_EQ(valueOf(drawing, 50), std::to_wstring(2 | 16));
  EXPECT_EQ(valueOf(project, 50), std::to_wstring(8 | 16));
}

TEST_F(SettingsCompare, ShowAllFollowsTheCheckAndIndexRowsCompareIgnoringCase) {
  VoxCfgDrawingSettings drawing = fullSettings();
  const VoxCfgDrawingSettings project = fullSettings();
  set(drawing, 5, L"%f%n");  // the same as the project's %F%N but for case
  set(drawing, 12, L"6.0");
  CVoxCfgDwgSettingsCompareDlg compare = dialog(drawing, project);
  EXPECT_EQ(keys(compare.shownRows()), std::vector<std::wstring>{L"12"});

  ASSERT_TRUE(compare.setField(L"grid", L"0"));
  ASSERT_TRUE(compare.setField(L"show-all", L"1"));
  EXPECT_EQ(compare.fields()[1].value, L"") << "the selection does not survive a new row set";
  EXPECT_NE(position(compare, L"5"), L"?");
  EXPECT_EQ(compare.shownRows().size(), 77u - 6u + 6u);

  ASSERT_TRUE(compare.setField(L"grid", position(compare, L"12")));
  compare.press(L"copy-to-drawing");
  ASSERT_TRUE(compare.setField(L"show-all", L"0"));
  EXPECT_EQ(keys(compare.shownRows()), std::vector<std::wstring>{L"12"}) << "a changed row stays in view";

  EXPECT_FALSE(compare.setField(L"grid", L"1")) << "only one row is shown";
  EXPECT_FALSE(compare.setField(L"grid", L"0;1"));
  EXPECT_FALSE(compare.setField(L"show-all", L"yes"));
  EXPECT_FALSE(compare.setField(L"nothing", L"1"));
}

TEST_F(SettingsCompare, ColumnWidthsReadBackAndBadTextGivesNone) {
  EXPECT_EQ(parseColumnWidths(formatColumnWidths({40, 320, 90, 90})), (std::vector<int>{40, 320, 90, 90}));
  EXPECT_TRUE(parseColumnWidths(L"").empty());
  EXPECT_TRUE(parseColumnWidths(L"40,,90").empty());
  EXPECT_TRUE(parseColumnWidths(L"40,-3").empty());
  EXPECT_TRUE(parseColumnWidths(L"40,0").empty());
  EXPECT_TRUE(parseColumnWidths(L"99999999999999").empty());
  EXPECT_EQ(compareGridKey(L"Software\\Host"), L"Software\\Host\\Settings\\VoxCfgDwgSetGrid");
}

}  // namespace
}  // namespace vox::dialogs::test
