#pragma once
// The comparison grid's layout as the user left it: the row height and the four column widths
// in pixels, kept in the per-user registry under the host's product key followed by
// "\Settings\VoxCfgDwgSetGrid" (values "RowHeight0", a number, and "ColWidth", the widths
// separated by commas). Also the names of the grid's eight cell styles, which hosts may use to
// style the header and data cells of each column.

#include <array>
#include <string>
#include <vector>

class HcSettingsStore;

namespace vox::dialogs {

struct CompareGridLayout {
  int rowHeight = 0;               // 0: the host's own
  std::vector<int> columnWidths;   // empty: the host's own
  bool operator==(const CompareGridLayout&) const = default;
};

// "120,300,80,80" and back; a text that is not a list of positive numbers gives no widths.
std::wstring formatColumnWidths(const std::vector<int>& widths);
std::vector<int> parseColumnWidths(const std::wstring& text);

// The registry key of the layout.
std::wstring compareGridKey(const std::wstring& productKey);
// The stored layout; nothing stored, or no store, gives the empty layout.
CompareGridLayout loadCompareGridLayout(const HcSettingsStore* store, const std::wstring& productKey);
// Stores the layout; false without a store or when writing failed.
bool saveCompareGridLayout(HcSettingsStore* store, const std::wstring& productKey, const CompareGridLayout& layout);

// "IDHeader", "IDData", "DescHeader", "DescData", "DrawingHeader", "DrawingData",
// "ProjectHeader", "ProjectData": the header and data style of each column in order.
const std::array<const wchar_t*, 8>& compareGridStyleNames();

}  // namespace vox::dialogs
