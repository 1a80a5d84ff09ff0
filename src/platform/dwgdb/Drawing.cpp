#include "platform/dwgdb/Drawing.h"

#include <algorithm>

#include "platform/os/CaseMapping.h"

namespace vox::dwgdb {
namespace {

template <typename Item>
Item* findNamed(std::vector<Item>& items, const std::wstring& name) {
  const auto found = std::find_if(items.begin(), items.end(), [&name](const Item& i) { return os::iequals(i.name, name); });
  return found != items.end() ? &*found : nullptr;
}

}  // namespace

Space* Drawing::findSpace(const std::wstring& name) { return findNamed(spaces, name); }
const Space* Drawing::findSpace(const std::wstring& name) const { return const_cast<Drawing*>(this)->findSpace(name); }
BlockDefinition* Drawing::findBlock(const std::wstring& name) { return findNamed(blocks, name); }
const BlockDefinition* Drawing::findBlock(const std::wstring& name) const {
  return const_cast<Drawing*>(this)->findBlock(name);
}
Layer* Drawing::findLayer(const std::wstring& name) { return findNamed(layers, name); }

Drawing emptyDrawing() {
  Drawing drawing;
  drawing.layers.push_back(Layer{L"0", false, {}});
  drawing.spaces.push_back(Space{L"*Model_Space", {}, {}});
  drawing.spaces.push_back(Space{L"*Paper_Space", {}, {}});
  return drawing;
}

}  // namespace vox::dwgdb
