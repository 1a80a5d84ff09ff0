#include "dialogs/DrawingSheetData.h"

namespace vox::dialogs {

std::vector<std::wstring> rebuildDescriptions(const std::vector<std::wstring>& current,
                                              const std::wstring& line1, const std::wstring& line2,
                                              const std::wstring& line3) {
  std::vector<std::wstring> lines{line1, line2, line3};
  if (current.size() > lines.size()) lines.insert(lines.end(), current.begin() + 3, current.end());
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

}  // namespace vox::dialogs
