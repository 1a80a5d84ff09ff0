// The drawing-list display configuration: opening from the stored setting, the buttons and
// their enabling, and what OK stores (or refuses).

#include "palette/CVoxPrmDwgListConfigDlg.h"

#include <gtest/gtest.h>

#include "core/ManagerTestSupport.h"

namespace vox::test {
namespace {

class DwgListConfig : public ManagerFixture {
 protected:
  static bool enabled(const CVoxPrmDwgListConfigDlg& dialog, const std::wstring& id) {
    for (const HcDialogButton& button : dialog.buttons())
      if (button.id == id) return button.enabled;
    ADD_FAILURE() << "no button";
    return false;
  }
  std::vector<int> storedOrder(std::wstring* separator = nullptr, bool* show = nullptr) {
    std::vector<int> order;
    std::wstring sep;
    bool selection = true;
    manager.getDwgDisplaySetting(order, sep, selection);
    if (separator != nullptr) *separator = sep;
    if (show != nullptr) *show = selection;
    return order;
  }
};

TEST_F(DwgListConfig, WithoutAStoredSettingTheFileNameIsShownAndTheNineOthersAreAvailable) {
  CVoxPrmDwgListConfigDlg dialog;
  EXPECT_FALSE(dialog.endsAtOnce());
  EXPECT_EQ(dialog.displayOrder(), std::vector<int>{103});
  EXPECT_EQ(dialog.available(), (std::vector<int>{101, 102, 104, 105, 106, 107, 108, 291, 292})) << "in master order";
  const std::vector<HcDialogField> fields = dialog.fields();
  EXPECT_EQ(fields[1].choices, std::vector<std::wstring>{L"Drawing file name"});
  EXPECT_EQ(fields[2].value, L"-");
  EXPECT_EQ(fields[3].value, fields[3].choices[0]) << "show selection on";
  for (const wchar_t* id : {L"add", L"remove", L"up", L"down"}) EXPECT_FALSE(enabled(dialog, id)) << id;
  EXPECT_TRUE(enabled(dialog, L"add-all"));
}

TEST_F(DwgListConfig, ButtonsMoveFieldsAndFollowTheSelection) {
  CVoxPrmDwgListConfigDlg dialog;
  ASSERT_TRUE(dialog.setField(L"available", L"2"));  // section
  EXPECT_TRUE(enabled(dialog, L"add"));
  EXPECT_FALSE(enabled(dialog, L"remove"));
  EXPECT_EQ(dialog.press(L"add").focusField, L"ok");
  EXPECT_EQ(dialog.displayOrder(), (std::vector<int>{103, 104}));
  EXPECT_FALSE(enabled(dialog, L"add"));
  ASSERT_TRUE(dialog.setField(L"order", L"1"));
  EXPECT_TRUE(enabled(dialog, L"up"));
  EXPECT_FALSE(enabled(dialog, L"down")) << "the last place";
  dialog.press(L"up");
  EXPECT_EQ(dialog.displayOrder(), (std::vector<int>{104, 103}));
  EXPECT_FALSE(enabled(dialog, L"up")) << "now at the first place, still selected";
  EXPECT_TRUE(enabled(dialog, L"down"));
  dialog.press(L"remove");
  EXPECT_EQ(dialog.displayOrder(), std::vector<int>{103});
  EXPECT_EQ(dialog.available().back(), 104) << "a removed field goes to the end of the available ones";
  dialog.press(L"add-all");
  EXPECT_TRUE(dialog.available().empty());
  EXPECT_FALSE(enabled(dialog, L"add-all"));
  dialog.press(L"remove-all");
  EXPECT_TRUE(dialog.displayOrder().empty());
  EXPECT_FALSE(enabled(dialog, L"remove-all"));
  EXPECT_FALSE(dialog.setField(L"order", L"0")) << "an empty list has no row 0";
}

TEST_F(DwgListConfig, OkStoresTheSettingOrRefusesAndCancelStoresNothing) {
  {
    CVoxPrmDwgListConfigDlg dialog;
    dialog.press(L"remove-all");
    EXPECT_FALSE(dialog.press(L"ok").closed) << "no field chosen";
    ASSERT_EQ(dialog.available().back(), 103) << "removed fields are appended to the available ones";
    dialog.setField(L"available", std::to_wstring(dialog.available().size() - 1));
    dialog.press(L"add");
    dialog.setField(L"separator", L"");
    EXPECT_TRUE(dialog.press(L"ok").closed) << "one field needs no separator";
  }
  EXPECT_EQ(storedOrder(), std::vector<int>{103});
  {
    CVoxPrmDwgListConfigDlg dialog;
    dialog.setField(L"available", L"0");
    dialog.press(L"add");
    EXPECT_FALSE(dialog.press(L"ok").closed) << "two fields and no separator";
    dialog.setField(L"separator", L" :: ");
    dialog.setField(L"selection", dialog.fields()[3].choices[1]);
    EXPECT_TRUE(dialog.press(L"ok").closed);
  }
  std::wstring separator;
  bool show = true;
  EXPECT_EQ(storedOrder(&separator, &show), (std::vector<int>{103, 101}));
  EXPECT_EQ(separator, L" :: ") << "stored as typed";
  EXPECT_FALSE(show);
  {
    CVoxPrmDwgListConfigDlg dialog;
    dialog.press(L"remove-all");
    EXPECT_TRUE(dialog.press(L"cancel").closed);
  }
  EXPECT_EQ(storedOrder(), (std::vector<int>{103, 101}));
}

}  // namespace
}  // namespace vox::test
