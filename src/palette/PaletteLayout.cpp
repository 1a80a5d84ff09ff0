#include "palette/PaletteLayout.h"

#include <pugixml.hpp>

#include "platform/os/CaseMapping.h"
#include "platform/os/NativePath.h"

namespace vox::palette {
namespace {

void readGroup(const pugi::xml_node& element, GroupLayout& group) {
  if (!element) return;
  if (const pugi::xml_attribute page = element.attribute("btnSelIndex")) group.selectedPage = page.as_int(group.selectedPage);
  if (const pugi::xml_attribute minimized = element.attribute("minimized")) group.minimized = minimized.as_int() == 1;
  if (const pugi::xml_attribute style = element.attribute("style")) group.style = style.as_int(group.style);
}

void writeGroup(pugi::xml_node parent, const char* name, const GroupLayout& group) {
  pugi::xml_node element = parent.append_child(name);
  element.append_attribute("btnSelIndex") = group.selectedPage;
  element.append_attribute("minimized") = group.minimized ? 1 : 0;
  element.append_attribute("style") = group.style;
}

}  // namespace

bool readPaletteLayout(const pugi::xml_node& paletteSetElement, const std::wstring& paletteName, PaletteLayout& layout) {
  for (const pugi::xml_node palette : paletteSetElement.child("PRM_PALETTESET").children("PRM_PALETTE")) {
    if (!os::iequals(os::decodeFileName(palette.attribute("paletteName").as_string()), paletteName)) continue;
    PaletteLayout read = layout;
    if (const pugi::xml_attribute ratio = palette.attribute("topToWholeRatio")) {
      const double value = ratio.as_double(read.topToWholeRatio);
      if (value > 0.0 && value < 1.0) read.topToWholeRatio = value;
    }
    readGroup(palette.child("GROUPCTRL_TOP"), read.top);
    readGroup(palette.child("GROUPCTRL_BOTTOM"), read.bottom);
    layout = read;
    return true;
  }
  return false;
}

void writePaletteLayout(pugi::xml_node& paletteSetElement, const std::wstring& paletteName, const PaletteLayout& layout) {
  while (pugi::xml_node old = paletteSetElement.child("PRM_PALETTESET")) paletteSetElement.remove_child(old);
  pugi::xml_node palette = paletteSetElement.append_child("PRM_PALETTESET").append_child("PRM_PALETTE");
  palette.append_attribute("paletteName") = os::encodeFileName(paletteName).c_str();
  palette.append_attribute("topToWholeRatio") = layout.topToWholeRatio;
  writeGroup(palette, "GROUPCTRL_TOP", layout.top);
  writeGroup(palette, "GROUPCTRL_BOTTOM", layout.bottom);
}

}  // namespace vox::palette
