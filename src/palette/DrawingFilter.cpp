#include "palette/DrawingFilter.h"

#include "platform/os/CaseMapping.h"
#include "platform/os/WinPath.h"

namespace vox::palette {

DrawingFilter::DrawingFilter(const std::wstring& text) : folded_(os::toUpper(text)) {}

bool DrawingFilter::matches(const DrawingNode& node) const {
  if (folded_.empty()) return true;
  if (os::toUpper(node.text).find(folded_) != std::wstring::npos) return true;
  return node.record && os::toUpper(os::fileName(node.record->path)).find(folded_) != std::wstring::npos;
}

}  // namespace vox::palette
