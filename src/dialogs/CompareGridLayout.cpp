#include "dialogs/CompareGridLayout.h"

#include <cwctype>

#include "host/HcSettingsStore.h"

namespace vox::dialogs {
namespace {

constexpr const wchar_t* kRowHeight = L"RowHeight0";
constexpr const wchar_t* kColumnWidths = L"ColWidth";
constexpr int kMaxPixels = 100000;

}  // namespace

std::wstring formatColumnWidths(const std::vector<int>& widths) {
  std::wstring text;
  for (std::size_t i = 0; i < widths.size(); ++i) text += (i > 0 ? L"," : L"") + std::to_wstring(widths[i]);
  return text;
}

std::vector<int> parseColumnWidths(const std::wstring& text) {
  std::vector<int> widths;
  int value = 0;
  bool digits = false;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == L',') {
      if (!digits || value <= 0) return {};
      widths.push_back(value);
      value = 0;
      digits = false;
    } else if (std::iswdigit(text[i]) && value <= kMaxPixels) {
      value = value * 10 + (text[i] - L'0');
      digits = true;
    } else {
      return {};
    }
  }
  return widths;
}

std::wstring compareGridKey(const std::wstring& productKey) { return productKey + L"\\Settings\\VoxCfgDwgSetGrid"; }

CompareGridLayout loadCompareGridLayout(const HcSettingsStore* store, const std::wstring& productKey) {
  CompareGridLayout layout;
  if (store == nullptr) return layout;
  const std::wstring key = compareGridKey(productKey);
  if (const auto height = store->getNumber(key, kRowHeight); height && *height > 0 && *height <= kMaxPixels)
    layout.rowHeight = *height;
  if (const auto widths = store->getString(key, kColumnWidths)) layout.columnWidths = parseColumnWidths(*widths);
  return layout;
}

bool saveCompareGridLayout(HcSettingsStore* store, const std::wstring& productKey, const CompareGridLayout& layout) {
  if (store == nullptr) return false;
  const std::wstring key = compareGridKey(productKey);
  return store->setNumber(key, kRowHeight, layout.rowHeight) &&
         store->setString(key, kColumnWidths, formatColumnWidths(layout.columnWidths));
}

const std::array<const wchar_t*, 8>& compareGridStyleNames() {
  static const std::array<const wchar_t*, 8> kNames{L"IDHeader",      L"IDData",      L"DescHeader",    L"DescData",
                                                    L"DrawingHeader", L"DrawingData", L"ProjectHeader", L"ProjectData"};
  return kNames;
}

}  // namespace vox::dialogs
