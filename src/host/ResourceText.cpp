#include "host/ResourceText.h"

#include "host/HcMessageCatalog.h"

namespace vox::host {

std::wstring formatText(const std::wstring& pattern, const std::vector<std::wstring>& inserts) {
  std::wstring text;
  std::size_t next = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == L'%' && i + 1 < pattern.size() && (pattern[i + 1] == L's' || pattern[i + 1] == L'%')) {
      if (pattern[++i] == L'%') {
        text += L'%';
      } else if (next < inserts.size()) {
        text += inserts[next++];
      }
      continue;
    }
    text += pattern[i];
  }
  return text;
}

std::wstring resourceText(unsigned id, const std::vector<std::wstring>& inserts) {
  return formatText(hcResourceString(id), inserts);
}

}  // namespace vox::host
