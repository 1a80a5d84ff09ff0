// The Wire Numbers page: wire settings, bit 4 of the flag word, the project's wire options,
// the wire format check and the number checks of sequential and placement fields.

#include "dialogs/WireNumbersPage.h"

#include "PageFixture.h"
#include "dialogs/PageTexts.h"
#include "host/ResourceText.h"

namespace vox::dialogs::test {
namespace {

using Indices = std::set<int>;

class WireNumbersPageTest : public PageTest {
 protected:
  WireNumbersPage page;
};

TEST_F(WireNumbersPageTest, EachFieldWritesOnlyItsOwnSetting) {
  VoxCfgDrawingSettings settings = fullSettings();
  const std::wstring sequential = L"S";
  settings.setValue(6, &sequential);
  const std::pair<const wchar_t*, std::pair<const wchar_t*, int>> cases[] = {
      {L"wire-start", {L"100", 7}},      {L"wire-increment", {L"2", 10}}, {L"wire-suffixes", {L",P,Q", 8}},
      {L"wire-format", {L"W%N", 9}},     {L"wire-offset", {L"0.25", 74}}, {L"wire-flags", {L"3", 75}},
      {L"wire-gaps", {L"0.1,0.2,0.3", 76}},
  };
  for (const auto& [id, change] : cases) {
    const StoreResult result = storeAfterChange(page, settings, nullptr, id, change.first);
    EXPECT_EQ(result.drawing, Indices{change.second}) << id;
    EXPECT_EQ(valueOf(result.settings, change.second), change.first) << "written as entered";
  }
  const StoreResult leaders = storeAfterChange(page, settings, nullptr, L"wire-leaders", pageText(L"choice-wire-leaders-2"));
  EXPECT_EQ(leaders.drawing, Indices{41});
  EXPECT_EQ(valueOf(leaders.settings, 41), L"2");
}

TEST_F(WireNumbersPageTest, WireModeIsSForSequentialAndROtherwise) {
  const VoxCfgDrawingSettings settings = fullSettings();  // "R"
  const StoreResult toSequential =
      storeAfterChange(page, settings, nullptr, L"wire-mode", pageText(L"choice-sequential"));
  EXPECT_EQ(toSequential.drawing, Indices{6});
  EXPECT_EQ(valueOf(toSequential.settings, 6), L"S");
  const StoreResult back =
      storeAfterChange(page, toSequential.settings, nullptr, L"wire-mode", pageText(L"choice-reference"));
  EXPECT_EQ(valueOf(back.settings, 6), L"R");
}

TEST_F(WireNumbersPageTest, PlcAddressWireNumbersChangesOnlyBit4) {
  const StoreResult on = storeAfterChange(page, fullSettings(1 | 2 | 8 | 16 | 96), nullptr, L"plc-address-wire-numbers", L"1");
  EXPECT_EQ(on.drawing, Indices{50});
  EXPECT_EQ(valueOf(on.settings, 50), L"127");
  const StoreResult off = storeAfterChange(page, on.settings, nullptr, L"plc-address-wire-numbers", L"0");
  EXPECT_EQ(valueOf(off.settings, 50), L"123");
}

TEST_F(WireNumbersPageTest, AWireFormatWithoutNBecomesN) {
  page.load(fullSettings(), nullptr);
  ASSERT_TRUE(page.setField(L"wire-format", L"W-%S"));
  const std::optional<PageRefusal> refusal = page.leave();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->focusField, L"wire-format");
  EXPECT_EQ(refusal->message, host::resourceText(kMsgWireFormatNeedsN));
  EXPECT_EQ(field(page, L"wire-format").value, L"%N");
  EXPECT_FALSE(page.leave());
  ASSERT_TRUE(page.setField(L"wire-format", L"%n-A"));
  EXPECT_FALSE(page.leave()) << "the check ignores case";
}

TEST_F(WireNumbersPageTest, NumberFieldsRefuseLeavingWithTheirFocusUnlessDisabled) {
  VoxCfgDrawingSettings settings = fullSettings();
  const std::wstring badIncrement = L"two";
  settings.setValue(10, &badIncrement);
  page.load(settings, nullptr);  // reference mode: the increment is disabled
  EXPECT_FALSE(field(page, L"wire-increment").enabled);
  EXPECT_FALSE(page.leave()) << "a disabled field is not checked";
  VoxCfgDrawingSettings out(settings);
  page.store(out, nullptr);
  EXPECT_EQ(valueOf(out, 10), L"two") << "nor written";

  ASSERT_TRUE(page.setField(L"wire-mode", pageText(L"choice-sequential")));
  std::optional<PageRefusal> refusal = page.leave();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->focusField, L"wire-increment");
  EXPECT_EQ(refusal->message, host::resourceText(kMsgNotAWholeNumber, {pageText(L"field-wire-increment")}));
  ASSERT_TRUE(page.setField(L"wire-increment", L"3"));

  ASSERT_TRUE(page.setField(L"wire-offset", L"1.5x"));
  refusal = page.leave();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->focusField, L"wire-offset");
  EXPECT_EQ(refusal->message, L"Wire number offset: enter a number.");
  ASSERT_TRUE(page.setField(L"wire-offset", L"-0.5"));

  ASSERT_TRUE(page.setField(L"wire-gaps", L"0.1,,0.3"));
  refusal = page.leave();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->focusField, L"wire-gaps");
  EXPECT_EQ(refusal->message, host::resourceText(kMsgNotANumberList, {pageText(L"field-wire-gaps")}));
}

TEST_F(WireNumbersPageTest, WireOptionsAreTheProjectsMiscSettings) {
  const VoxPrmMiscProjSettings misc = fullMisc();
  const std::pair<const wchar_t*, int> cases[] = {
      {L"wire-option-13", 13}, {L"wire-option-18", 18}, {L"wire-option-21", 21}, {L"wire-option-22", 22},
      {L"wire-option-27", 27}, {L"wire-option-29", 29}, {L"wire-option-33", 33},
  };
  for (const auto& [id, index] : cases) {
    const StoreResult result = storeAfterChange(page, fullSettings(), &misc, id, L"7");
    EXPECT_EQ(result.misc, Indices{index}) << id;
    EXPECT_TRUE(result.drawing.empty()) << id;
  }
  page.load(fullSettings(), nullptr);
  EXPECT_FALSE(hasField(page, L"wire-option-13")) << "the drawing sheet has no misc settings";
}

}  // namespace
}  // namespace vox::dialogs::test
