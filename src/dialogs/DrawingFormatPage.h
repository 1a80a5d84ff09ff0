#pragma once
// The Drawing Format page: ladder defaults, format referencing, scale, sort order and layers.
//
//   ladder       ladder-orientation (0 "RUNGHORV": "V" vertical, else "H"), rung-spacing
//                (11 "RUNGDIST"), ladder-width (12 "DLADW"), phase-spacing (17 "PH3SPACE"),
//                suppress-line-references (bit 8 of "MISC_FLAGS")
//   referencing  reference-kind (1 "REFNUMS", 1 to 9); for X-Y (4) and X-zone (5): datum-x,
//                datum-y (18, 19; empty until given), interval-h (20), start-char-h (22); for
//                X-Y only: interval-v (21), start-char-v (23), horizontal-first (24, check box),
//                xy-delimiter (25). Fields of other kinds are disabled.
//   scale        unit-scale (30 "UNIT_SCL"), feature-scale (31 "FEATURE_SCL"), scale-mm
//                (bit 1 of "MISC_FLAGS")
//   sort order   sort-mode (59 "SORTMODE")
//   layers       the layer names 26 to 29, 32 to 40, 44, 45, 48, 54 and 58, ignore-layer-0
//                (bit 2 of "MISC_FLAGS")
// Spacings, widths, datum points, intervals and scale factors must be numbers.

#include "dialogs/SettingsPage.h"

namespace vox::dialogs {

class DrawingFormatPage : public SettingsPage {
 public:
  DrawingFormatPage();
  std::wstring title() const override;
  std::wstring helpSuffix() const override { return L"drawingformat_page_dialog"; }

 protected:
  void refreshEnabled() override;
};

}  // namespace vox::dialogs
