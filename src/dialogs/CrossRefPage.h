#pragma once
// The Cross-References page: formats and options of cross-reference texts. Its fields are texts
// written as entered.
//
//   format             xref-format (14 "XREFFMT"), xref-alt-format (47 "ALT_XREFFMT")
//   options            xref-style (60), xref-flags (61), xref-unused-style (62),
//                      xref-fill-with (63), xref-sort (64), xref-text-between (65)
//   component display  xref-graphic (66), xref-graphic-style (67), xref-contact-map (68),
//                      xref-table-style (69), xref-table-title (70), xref-table-index (71),
//                      xref-table-fields (72), xref-table-justify (73)
//   override           in the project sheet, the misc flag word xref-override-flags (5), a
//                      whole number

#include "dialogs/SettingsPage.h"

namespace vox::dialogs {

class CrossRefPage : public SettingsPage {
 public:
  CrossRefPage();
  std::wstring title() const override;
  std::wstring helpSuffix() const override { return L"crossreferences_page_dialog"; }
};

}  // namespace vox::dialogs
