#pragma once
// A set of names that ignores letter case.

#include <set>
#include <string>

#include "platform/os/CaseMapping.h"

namespace vox::lispcore {

struct CaseInsensitiveLess {
  bool operator()(const std::wstring& a, const std::wstring& b) const { return os::icompare(a, b) < 0; }
};
using NameSet = std::set<std::wstring, CaseInsensitiveLess>;

}  // namespace vox::lispcore
