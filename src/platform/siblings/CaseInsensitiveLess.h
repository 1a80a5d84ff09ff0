#pragma once
// Ordering of paths and project IDs that ignores letter case, for ordered containers.

#include <string_view>

#include "platform/os/CaseMapping.h"

namespace vox::siblings {

struct CaseInsensitiveLess {
  using is_transparent = void;
  bool operator()(std::wstring_view a, std::wstring_view b) const { return os::icompare(a, b) < 0; }
};

}  // namespace vox::siblings
