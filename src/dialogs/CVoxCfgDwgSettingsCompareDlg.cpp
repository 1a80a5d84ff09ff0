#include "dialogs/CVoxCfgDwgSettingsCompareDlg.h"

#include <algorithm>
#include <cwctype>
#include <optional>

#include "dialogs/StylesPage.h"
#include "host/HcHostServices.h"
#include "host/HcSettingsStore.h"
#include "host/LispCoreFunctions.h"
#include "host/ResourceText.h"
#include "records/DrawingSettingTable.h"

using namespace vox::dialogs;

namespace {

enum : unsigned {
  kTitle = 683,
  kStyleLabel = 684,
  kColumnKey = 685,
  kShowAllText = 689,
  kCopyToDrawingText = 690,
  kCopyToProjectText = 691,
  kHelpText = 692,
};
constexpr int kColumnCount = 4;
constexpr const wchar_t* kGrid = L"grid";
constexpr const wchar_t* kShowAll = L"show-all";

std::wstring text(unsigned id) { return vox::host::resourceText(id); }

std::wstring lispMessage(const std::wstring& key, const std::wstring& defaultText) {
  if (key.empty()) return defaultText;
  return vox::host::lispcore::message(key, defaultText).value_or(defaultText);
}

HcTableCell cell(const CompareCell& from) { return {from.text, from.highlighted}; }

// "0,3" as ascending, distinct positions below `count`; none for any other text.
std::optional<std::vector<std::size_t>> positions(const std::wstring& value, std::size_t count) {
  std::vector<std::size_t> out;
  std::size_t start = 0;
  while (start < value.size()) {
    const std::size_t comma = std::min(value.find(L',', start), value.size());
    const std::wstring part = value.substr(start, comma - start);
    if (part.empty() || part.size() > 6 || !std::all_of(part.begin(), part.end(), [](wchar_t c) { return std::iswdigit(c); }))
      return std::nullopt;
    const std::size_t position = std::stoul(part);
    if (position >= count) return std::nullopt;
    out.push_back(position);
    start = comma + 1;
  }
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

}  // namespace

CompareTexts CVoxCfgDwgSettingsCompareDlg::loadTexts() {
  CompareTexts texts;
  for (int index = 0; index < vox::records::kDrawingSettingCount; ++index) {
    const vox::records::DrawingSettingInfo* info = vox::records::drawingSettingInfo(index);
    texts.indexLabels.push_back(lispMessage(std::wstring(info->labelKey), std::wstring(info->labelText)));
  }
  for (std::size_t i = 0; i < compareFlags().size(); ++i)
    texts.flagLabels[i] = lispMessage(compareFlags()[i].labelKey, compareFlags()[i].labelText);
  texts.styleLabel = text(kStyleLabel);
  texts.on = lispMessage(L"PRNT019", L"ON");
  texts.off = lispMessage(L"PRNT020", L"OFF");
  const std::vector<std::wstring> names = wireTeeStyleNames();
  for (std::size_t i = 0; i < texts.styleNames.size() && i < names.size(); ++i) texts.styleNames[i] = names[i];
  return texts;
}

CVoxCfgDwgSettingsCompareDlg::CVoxCfgDwgSettingsCompareDlg(const VoxCfgDrawingSettings& drawing,
                                                           const VoxCfgDrawingSettings& project,
                                                           std::wstring drawingName, std::wstring projectName)
    : CVoxCfgDwgSettingsCompareDlg(drawing, project, std::move(drawingName), std::move(projectName), loadTexts()) {}

CVoxCfgDwgSettingsCompareDlg::CVoxCfgDwgSettingsCompareDlg(const VoxCfgDrawingSettings& drawing,
                                                           const VoxCfgDrawingSettings& project,
                                                           std::wstring drawingName, std::wstring projectName,
                                                           CompareTexts texts)
    : m_drawing(drawing),
      m_project(project),
      m_drawingName(std::move(drawingName)),
      m_projectName(std::move(projectName)),
      m_texts(std::move(texts)),
      m_rows(buildCompareRows(m_drawing, m_project, m_texts)),
      m_layout(loadCompareGridLayout(hcSettingsStore(), hcrxProductKey())) {
  filterRows();
}

std::wstring CVoxCfgDwgSettingsCompareDlg::title() const { return vox::host::resourceText(kTitle, {m_drawingName, m_projectName}); }

// The rows shown: every row with show-all, else those whose values differ and those the user
// changed (so a copy stays in view until the dialog closes).
void CVoxCfgDwgSettingsCompareDlg::filterRows() {
  m_shown.clear();
  m_selected.clear();
  for (std::size_t i = 0; i < m_rows.size(); ++i)
    if (m_showAll || valuesDiffer(m_rows[i], m_texts) || m_rows[i].description.highlighted) m_shown.push_back(i);
}

std::vector<CompareRow> CVoxCfgDwgSettingsCompareDlg::shownRows() const {
  std::vector<CompareRow> out;
  for (const std::size_t i : m_shown) out.push_back(m_rows[i]);
  return out;
}

HcDialogField CVoxCfgDwgSettingsCompareDlg::gridField() const {
  HcDialogField grid;
  grid.id = kGrid;
  grid.kind = HcFieldKind::kTable;
  for (unsigned column = 0; column < kColumnCount; ++column) grid.columns.push_back(text(kColumnKey + column));
  for (const std::size_t i : m_shown) {
    const CompareRow& row = m_rows[i];
    grid.rows.push_back({{row.key, false}, cell(row.description), cell(row.drawing), cell(row.project)});
  }
  for (std::size_t k = 0; k < m_selected.size(); ++k) grid.value += (k > 0 ? L"," : L"") + std::to_wstring(m_selected[k]);
  grid.columnWidths = m_layout.columnWidths;
  grid.rowHeight = m_layout.rowHeight;
  return grid;
}

std::vector<HcDialogField> CVoxCfgDwgSettingsCompareDlg::fields() const {
  HcDialogField showAll;
  showAll.id = kShowAll;
  showAll.kind = HcFieldKind::kCheck;
  showAll.label = text(kShowAllText);
  showAll.value = m_showAll ? L"1" : L"0";
  return {showAll, gridField()};
}

bool CVoxCfgDwgSettingsCompareDlg::setField(const std::wstring& id, const std::wstring& value) {
  if (id == kGrid) return select(value);
  if (id != kShowAll || (value != L"1" && value != L"0")) return false;
  if (m_showAll != (value == L"1")) {
    m_showAll = value == L"1";
    filterRows();
  }
  return true;
}

bool CVoxCfgDwgSettingsCompareDlg::select(const std::wstring& value) {
  std::optional<std::vector<std::size_t>> chosen = positions(value, m_shown.size());
  if (!chosen) return false;
  m_selected = std::move(*chosen);
  return true;
}

std::vector<HcDialogButton> CVoxCfgDwgSettingsCompareDlg::buttons() const {
  const bool any = !m_selected.empty();
  return {{L"copy-to-drawing", text(kCopyToDrawingText), any, false},
          {L"copy-to-project", text(kCopyToProjectText), any, false},
          {L"help", text(kHelpText), true, false},
          {L"ok", L"OK", true, true},
          {L"cancel", L"Cancel", true, false}};
}

HcDialogOutcome CVoxCfgDwgSettingsCompareDlg::press(const std::wstring& buttonId) {
  if (buttonId == L"copy-to-drawing") return copy(CopyDirection::kProjectToDrawing);
  if (buttonId == L"copy-to-project") return copy(CopyDirection::kDrawingToProject);
  if (buttonId == L"help") {
    hcedHelp(L"VoxFolio", L"help_diff_d_2_p", 0);
    return HcDialogOutcome::stay();
  }
  if (buttonId == L"ok") {
    applyCompareRows(m_rows, m_texts, m_drawing, m_project);
    return close(kHcDialogOk);
  }
  if (buttonId == L"cancel") return close(kHcDialogCancel);
  return HcDialogOutcome::stay();
}

HcDialogOutcome CVoxCfgDwgSettingsCompareDlg::copy(CopyDirection direction) {
  for (const std::size_t position : m_selected) copyValue(m_rows[m_shown[position]], direction);
  return HcDialogOutcome::stay();
}

HcDialogOutcome CVoxCfgDwgSettingsCompareDlg::close(int result) {
  if (m_layoutChanged) saveCompareGridLayout(hcSettingsStore(), hcrxProductKey(), m_layout);
  m_layoutChanged = false;
  return HcDialogOutcome::close(result);
}

void CVoxCfgDwgSettingsCompareDlg::tableLayoutChanged(const std::wstring& id, int rowHeight,
                                                      const std::vector<int>& columnWidths) {
  if (id != kGrid) return;
  const CompareGridLayout layout{rowHeight > 0 ? rowHeight : 0, columnWidths};
  m_layoutChanged = m_layoutChanged || layout != m_layout;
  m_layout = layout;
}
