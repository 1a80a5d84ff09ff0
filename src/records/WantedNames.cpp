#include "records/WantedNames.h"

namespace vox::records {

WantedNames::WantedNames(const std::vector<std::wstring>& names) : m_remaining(names.size()) {
  for (const std::wstring& name : names) ++m_counts[name];
}

bool WantedNames::take(const std::wstring& name) {
  if (empty()) return false;
  const auto it = m_counts.find(name);
  if (it == m_counts.end() || it->second == 0) return false;
  --it->second;
  --m_remaining;
  return true;
}

}  // namespace vox::records
