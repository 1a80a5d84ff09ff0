#pragma once
// The Styles page: symbol styles of wires, PLC modules, signal arrows and in-line fan in/out.
// Style numbers are whole numbers written in decimal ("07" is written "7").
//
//   wire style   wire-tee-style (bits 32 and 64 of "MISC_FLAGS": four styles for 0, 32, 64
//                and 96), wire-gap-style (49 "GAP_STYLE": 0 gap, 1 loop, 2 no gap)
//   PLC style    plc-style (42 "PLC_STYLE")
//   arrow style  arrow-style (43 "ARROW_STYLE")
//   fan in/out   fan-layers (56 "FAN_INOUT_LAYS", a layer list), fan-style (57 "FAN_INOUT_STYLE")

#include <string>
#include <vector>

#include "dialogs/SettingsPage.h"

namespace vox::dialogs {

class StylesPage : public SettingsPage {
 public:
  StylesPage();
  std::wstring title() const override;
  std::wstring helpSuffix() const override { return L"styles_page_dialog"; }
};

// The names of the four wire tee-marker styles, for the bit values 0, 32, 64 and 96 in order.
std::vector<std::wstring> wireTeeStyleNames();

}  // namespace vox::dialogs
