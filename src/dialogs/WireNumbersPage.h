#pragma once
// The Wire Numbers page: how wire numbers are formed and placed.
//
//   wire number type  wire-mode (6 "WIREMODE": "S" sequential, else "R" reference), wire-start
//                     (7 "WIRE-START") and wire-increment (10 "WINC", a whole number), both
//                     enabled in sequential mode, wire-suffixes (8 "WIRE-RSUF"), wire-format
//                     (9 "WIREFMT", must contain %N; reset to "%N"), plc-address-wire-numbers
//                     (bit 4 of "MISC_FLAGS")
//   options           wire-leaders (41 "WLEADERS": 0 as required, 1 always, 2 never); in the
//                     project sheet also the misc settings wire-option-13, -18, -21, -29
//                     (whole numbers) and wire-option-22, -27, -33 (texts)
//   placement         wire-offset (74 "WNUM_OFFSET", a number), wire-flags (75 "WNUM_FLAGS",
//                     a whole number), wire-gaps (76 "WNUM_GAP", numbers separated by commas)

#include "dialogs/SettingsPage.h"

namespace vox::dialogs {

class WireNumbersPage : public SettingsPage {
 public:
  WireNumbersPage();
  std::wstring title() const override;
  std::wstring helpSuffix() const override { return L"wirenumbers_page_dialog"; }

 protected:
  void refreshEnabled() override;
};

}  // namespace vox::dialogs
