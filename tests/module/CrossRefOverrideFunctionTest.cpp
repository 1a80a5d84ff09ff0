// "vox_croverridedlg" with its dialog: the sixteen texts shown, the edited texts answered as a
// list after OK, nil after Cancel, and no dialog for a wrong argument.

#include <gtest/gtest.h>

#include "ModuleFixture.h"
#include "ScriptedDialogUi.h"

namespace vox::test {
namespace {

class CrossRefOverrideFunction : public ModuleFixture {
 protected:
  void SetUp() override { loadDocument(L"D.dwg"); }
  // "(vox_croverridedlg '("a0" "a1" ... ))" with `count` strings.
  static std::wstring callWith(int count) {
    std::wstring list;
    for (int i = 0; i < count; ++i) list += L" \"a" + std::to_wstring(i) + L"\"";
    return L"(vox_croverridedlg '(" + list + L"))";
  }
  ScriptedDialogUi ui;
};

TEST_F(CrossRefOverrideFunction, OkAnswersTheEditedTextsInOrder) {
  std::vector<HcDialogField> shown;
  ui.answer = [&](HcDialogController& dialog) {
    shown = dialog.fields();
    dialog.setField(L"xref-alt-format", L"%S.%N");
    dialog.setField(L"xref-table-justify", L"L");
    return pressed(dialog, L"ok");
  };
  const std::wstring out = type(callWith(16));
  EXPECT_EQ(out, L"(\"a0\" \"%S.%N\" \"a2\" \"a3\" \"a4\" \"a5\" \"a6\" \"a7\" \"a8\" \"a9\" \"a10\" \"a11\" \"a12\" "
                 L"\"a13\" \"a14\" \"L\")\n");
  ASSERT_EQ(shown.size(), 16u);
  EXPECT_EQ(shown.front().value, L"a0");
  EXPECT_EQ(ui.names, std::vector<std::wstring>{L"xref-override"});
}

TEST_F(CrossRefOverrideFunction, CancelAnswersNilAndAWrongCountShowsNoDialog) {
  ui.answer = [](HcDialogController& dialog) {
    dialog.setField(L"xref-format", L"changed");
    return pressed(dialog, L"cancel");
  };
  EXPECT_EQ(type(callWith(16)), L"nil\n");
  EXPECT_NE(type(callWith(15)).find(L"list of 16 strings"), std::wstring::npos);
  EXPECT_EQ(ui.names.size(), 1u) << "fifteen strings: no dialog";
}

}  // namespace
}  // namespace vox::test
