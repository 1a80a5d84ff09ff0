#pragma once
// The names still wanted while a drawing list is walked once in project order: each name given
// matches one entry, so a name given twice matches two. Lookups ignore letter case and take
// constant time, which keeps removing or collecting many entries of a large project linear.

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/os/CaseMapping.h"

namespace vox::records {

class WantedNames {
 public:
  explicit WantedNames(const std::vector<std::wstring>& names);

  // True when every name given has matched an entry.
  bool empty() const { return m_remaining == 0; }

  // Consumes one occurrence of `name`; false when none is left.
  bool take(const std::wstring& name);

 private:
  std::unordered_map<std::wstring, std::size_t, vox::os::CaseInsensitiveHash, vox::os::CaseInsensitiveEqual>
      m_counts;
  std::size_t m_remaining = 0;
};

}  // namespace vox::records
