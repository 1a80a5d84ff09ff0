#pragma once
// The cross-reference component override dialog: sixteen cross-reference texts a component may
// carry instead of its drawing's, edited as text fields with the Cross-References page's labels,
// in this order: xref-format (as "XREFFMT"), xref-alt-format ("ALT_XREFFMT"), then the texts of
// "XREF_STYLE" to "XREF_TBLCOLJUST" (xref-style ... xref-table-justify). OK closes with the
// edited texts; Cancel with the texts as given.

#include <array>
#include <string>
#include <vector>

#include "host/HcDialogController.h"

namespace vox::dialogs {

inline constexpr std::size_t kCrossRefOverrideCount = 16;

class CrossRefOverrideDialog : public HcDialogController {
 public:
  // `values`: the sixteen texts in the order above.
  explicit CrossRefOverrideDialog(const std::array<std::wstring, kCrossRefOverrideCount>& values);

  std::wstring name() const override { return L"xref-override"; }
  std::wstring title() const override;
  std::vector<HcDialogField> fields() const override;
  bool setField(const std::wstring& id, const std::wstring& value) override;
  std::vector<HcDialogButton> buttons() const override;
  HcDialogOutcome press(const std::wstring& buttonId) override;

  // The texts, edited, in the order above.
  const std::array<std::wstring, kCrossRefOverrideCount>& values() const { return m_values; }

 private:
  std::array<std::wstring, kCrossRefOverrideCount> m_values;
};

}  // namespace vox::dialogs
