// The Components page: tag settings, its flag bit, the project's tag options and the tag
// format check.

#include "dialogs/ComponentsPage.h"

#include "PageFixture.h"
#include "host/ResourceText.h"
#include "dialogs/PageTexts.h"

namespace vox::dialogs::test {
namespace {

using Indices = std::set<int>;

class ComponentsPageTest : public PageTest {
 protected:
  ComponentsPage page;
};

TEST_F(ComponentsPageTest, EachFieldWritesOnlyItsOwnSetting) {
  const VoxCfgDrawingSettings settings = fullSettings();
  EXPECT_EQ(storeAfterChange(page, settings, nullptr, L"tag-format", L"%F-%N").drawing, Indices{5});
  EXPECT_EQ(storeAfterChange(page, settings, nullptr, L"tag-suffixes", L",X,Y").drawing, Indices{4});
  EXPECT_EQ(storeAfterChange(page, settings, nullptr, L"tag-mode", pageText(L"choice-sequential")).drawing,
            Indices{2});

  page.load(settings, nullptr);
  ASSERT_TRUE(page.setField(L"tag-mode", pageText(L"choice-sequential")));
  ASSERT_TRUE(page.setField(L"tag-start", L"100"));
  VoxCfgDrawingSettings out(settings);
  page.store(out, nullptr);
  EXPECT_EQ(changedIndices(settings, out), (Indices{2, 3}));
  EXPECT_EQ(valueOf(out, 2), L"S");
  EXPECT_EQ(valueOf(out, 3), L"100");
  EXPECT_EQ(valueOf(out, 15) + valueOf(out, 16) + valueOf(out, 55), L"21carried");
}

TEST_F(ComponentsPageTest, TagModeIsSForSequentialAndROtherwise) {
  VoxCfgDrawingSettings settings = fullSettings();
  const std::wstring lower = L"s";
  settings.setValue(2, &lower);
  page.load(settings, nullptr);
  EXPECT_EQ(field(page, L"tag-mode").value, pageText(L"choice-sequential")) << "read ignoring case";
  EXPECT_TRUE(field(page, L"tag-start").enabled);

  const StoreResult back = storeAfterChange(page, settings, nullptr, L"tag-mode", pageText(L"choice-reference"));
  EXPECT_EQ(valueOf(back.settings, 2), L"R");

  const std::wstring odd = L"Q";
  settings.setValue(2, &odd);
  page.load(settings, nullptr);
  EXPECT_EQ(field(page, L"tag-mode").value, pageText(L"choice-reference")) << "anything but S is reference";
  EXPECT_FALSE(field(page, L"tag-start").enabled) << "the start value belongs to sequential tags";
  EXPECT_FALSE(page.setField(L"tag-start", L"5"));
  EXPECT_FALSE(page.setField(L"tag-mode", L"Alphabetic")) << "not a choice";
  VoxCfgDrawingSettings out(settings);
  page.store(out, nullptr);
  EXPECT_EQ(valueOf(out, 2), L"Q") << "an untouched mode keeps its stored text";
}

TEST_F(ComponentsPageTest, SearchForPlcAddressChangesOnlyBit16) {
  for (const int word : {0, 1 | 2 | 4 | 8 | 32 | 64 | 128}) {
    const StoreResult on = storeAfterChange(page, fullSettings(word), nullptr, L"search-plc-address", L"1");
    EXPECT_EQ(on.drawing, Indices{50});
    EXPECT_EQ(valueOf(on.settings, 50), std::to_wstring(word | 16));
  }
  const StoreResult off = storeAfterChange(page, fullSettings(0xFF), nullptr, L"search-plc-address", L"0");
  EXPECT_EQ(valueOf(off.settings, 50), L"239");
  EXPECT_FALSE(page.setField(L"search-plc-address", L"yes")) << "a check box takes 1 or 0";
}

TEST_F(ComponentsPageTest, ATagFormatWithoutNIsResetAndKeepsThePage) {
  const VoxCfgDrawingSettings settings = fullSettings();
  page.load(settings, nullptr);
  ASSERT_TRUE(page.setField(L"tag-format", L"%F"));
  const std::optional<PageRefusal> refusal = page.leave();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->focusField, L"tag-format");
  EXPECT_EQ(refusal->message, host::resourceText(kMsgTagFormatNeedsN));
  EXPECT_NE(refusal->message.find(L"%F%N"), std::wstring::npos);
  EXPECT_EQ(field(page, L"tag-format").value, L"%F%N");
  EXPECT_FALSE(page.leave()) << "the reset value passes";

  ASSERT_TRUE(page.setField(L"tag-format", L"%f-%n"));
  EXPECT_FALSE(page.leave()) << "lower case passes";
  VoxCfgDrawingSettings out(settings);
  page.store(out, nullptr);
  EXPECT_EQ(valueOf(out, 5), L"%f-%n") << "written as entered";
}

TEST_F(ComponentsPageTest, TagOptionsAreMiscSettingsOfTheProjectSheetOnly) {
  page.load(fullSettings(), nullptr);
  EXPECT_FALSE(hasField(page, L"tag-logic"));
  EXPECT_FALSE(page.setField(L"tag-option-11", L"1"));

  const VoxPrmMiscProjSettings misc = fullMisc();
  EXPECT_EQ(storeAfterChange(page, fullSettings(), &misc, L"tag-option-11", L"0").misc, Indices{11});
  EXPECT_EQ(storeAfterChange(page, fullSettings(), &misc, L"tag-option-37", L"-4").misc, Indices{37});
  const StoreResult logic = storeAfterChange(page, fullSettings(), &misc, L"tag-logic", pageText(L"choice-tag-logic-2"));
  EXPECT_EQ(logic.misc, Indices{10});
  EXPECT_TRUE(logic.drawing.empty());
  int value = -1;
  logic.miscSettings.getValue(10, value);
  EXPECT_EQ(value, 2);
}

TEST_F(ComponentsPageTest, AWholeNumberOptionRefusesOtherText) {
  const VoxPrmMiscProjSettings misc = fullMisc();
  page.load(fullSettings(), &misc);
  ASSERT_TRUE(page.setField(L"tag-option-14", L"1.5"));
  const std::optional<PageRefusal> refusal = page.leave();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->focusField, L"tag-option-14");
  EXPECT_EQ(refusal->message, host::resourceText(kMsgNotAWholeNumber, {pageText(L"field-tag-option-14")}));
  EXPECT_EQ(field(page, L"tag-option-14").value, L"1.5") << "a number field is not reset";
}

TEST_F(ComponentsPageTest, AnUntouchedPageLeavesUnsetSettingsUnset) {
  const VoxPrmMiscProjSettings misc;  // nothing set: numbers show 0, texts nothing
  page.load(fullSettings(), &misc);
  EXPECT_EQ(field(page, L"tag-option-15").value, L"0");
  EXPECT_FALSE(page.leave());
  VoxCfgDrawingSettings sparse;
  VoxPrmMiscProjSettings miscOut;
  page.store(sparse, &miscOut);
  EXPECT_EQ(changedIndices(VoxCfgDrawingSettings{}, sparse), Indices{});
  EXPECT_EQ(changedIndices(VoxPrmMiscProjSettings{}, miscOut), Indices{});
}

}  // namespace
}  // namespace vox::dialogs::test
