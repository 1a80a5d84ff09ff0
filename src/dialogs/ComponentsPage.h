#pragma once
// The Components page: how component tags are formed.
//
//   tag format   tag-format (5 "TAGFMT", must contain %N; reset to "%F%N"), tag-mode
//                (2 "TAGMODE": "S" sequential, else "R" reference), tag-start (3 "TAG-START",
//                enabled in sequential mode), tag-suffixes (4 "TAG-RSUF")
//   tag options  search-plc-address (bit 16 of "MISC_FLAGS"); in the project sheet also the
//                misc settings tag-logic (10: 0 standard, 1 IEC, 2 IEC combined),
//                tag-option-11 (check box), tag-option-14, -15, -34, -36, -37 (whole numbers)

#include "dialogs/SettingsPage.h"

namespace vox::dialogs {

class ComponentsPage : public SettingsPage {
 public:
  ComponentsPage();
  std::wstring title() const override;
  std::wstring helpSuffix() const override { return L"components_page_dialog"; }

 protected:
  void refreshEnabled() override;
};

}  // namespace vox::dialogs
