// The cross-reference override dialog: sixteen texts in, the edited texts out, labels from the
// Cross-References page.

#include "dialogs/CrossRefOverrideDialog.h"

#include "PageFixture.h"

namespace vox::dialogs::test {
namespace {

std::array<std::wstring, kCrossRefOverrideCount> numbered() {
  std::array<std::wstring, kCrossRefOverrideCount> values;
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = L"v" + std::to_wstring(i);
  return values;
}

class CrossRefOverrideDialogTest : public PageTest {};

TEST_F(CrossRefOverrideDialogTest, FieldsHoldTheTextsInOrderAndEditsChangeOnlyTheirOwn) {
  CrossRefOverrideDialog dialog(numbered());
  const std::vector<HcDialogField> fields = dialog.fields();
  ASSERT_EQ(fields.size(), kCrossRefOverrideCount);
  EXPECT_EQ(fields.front().id, L"xref-format");
  EXPECT_EQ(fields[1].id, L"xref-alt-format");
  EXPECT_EQ(fields.back().id, L"xref-table-justify");
  for (std::size_t i = 0; i < fields.size(); ++i) {
    EXPECT_EQ(fields[i].value, L"v" + std::to_wstring(i));
    EXPECT_FALSE(fields[i].label.starts_with(L"field-")) << fields[i].label;
  }
  EXPECT_TRUE(dialog.setField(L"xref-sort", L"sorted"));
  EXPECT_FALSE(dialog.setField(L"xref-override-flags", L"1")) << "not one of the sixteen";
  std::array<std::wstring, kCrossRefOverrideCount> expected = numbered();
  expected[6] = L"sorted";
  EXPECT_EQ(dialog.values(), expected);
  EXPECT_EQ(dialog.title(), L"Cross-Reference Component Override");
}

TEST_F(CrossRefOverrideDialogTest, OkAndCancelCloseWithTheirResults) {
  CrossRefOverrideDialog dialog(numbered());
  EXPECT_FALSE(dialog.press(L"help").closed);
  EXPECT_EQ(dialog.press(L"ok").result, kHcDialogOk);
  const HcDialogOutcome cancelled = dialog.cancel();
  EXPECT_TRUE(cancelled.closed);
  EXPECT_EQ(cancelled.result, kHcDialogCancel);
}

}  // namespace
}  // namespace vox::dialogs::test
