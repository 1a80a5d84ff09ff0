#pragma once
// The palette's own part of the host's palette layout: under the palette set's element a
// "PRM_PALETTESET" element holding one "PRM_PALETTE" per palette ("paletteName",
// "topToWholeRatio"), each with "GROUPCTRL_TOP" and "GROUPCTRL_BOTTOM" ("btnSelIndex",
// "minimized", "style"). Reading finds the palette by name (ignoring case) and changes only what
// is present; writing replaces the whole "PRM_PALETTESET" element.

#include <string>

namespace pugi {
class xml_node;
}

namespace vox::palette {

struct GroupLayout {
  int selectedPage = 0;
  bool minimized = false;
  int style = 0;
  bool operator==(const GroupLayout&) const = default;
};

struct PaletteLayout {
  double topToWholeRatio = 0.7;
  GroupLayout top;
  GroupLayout bottom;  // selected page 0 details, 1 preview
  bool operator==(const PaletteLayout&) const = default;
};

// False (and `layout` unchanged) when no "PRM_PALETTE" of that name is there.
bool readPaletteLayout(const pugi::xml_node& paletteSetElement, const std::wstring& paletteName, PaletteLayout& layout);
void writePaletteLayout(pugi::xml_node& paletteSetElement, const std::wstring& paletteName, const PaletteLayout& layout);

}  // namespace vox::palette
