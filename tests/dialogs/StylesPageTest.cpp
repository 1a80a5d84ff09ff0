// The Styles page: the two-bit wire tee-marker style in the flag word, the gap style and the
// style numbers written in decimal.

#include "dialogs/StylesPage.h"

#include "PageFixture.h"
#include "dialogs/PageTexts.h"

namespace vox::dialogs::test {
namespace {

using Indices = std::set<int>;

class StylesPageTest : public PageTest {
 protected:
  StylesPage page;
};

TEST_F(StylesPageTest, TheTeeStyleIsBits32And64AndNothingElse) {
  const std::vector<std::wstring> names = wireTeeStyleNames();
  ASSERT_EQ(names.size(), 4u);
  for (int word : {0, 1 | 2 | 4 | 8 | 16 | 128}) {
    for (int style = 0; style < 4; ++style) {
      const int start = word | (style == 0 ? 96 : 0);  // always a change
      const StoreResult result = storeAfterChange(page, fullSettings(start), nullptr, L"wire-tee-style", names[style]);
      EXPECT_EQ(result.drawing, Indices{50}) << style;
      EXPECT_EQ(valueOf(result.settings, 50), std::to_wstring(word | (style * 32))) << style;
    }
  }
  page.load(fullSettings(64 | 16), nullptr);
  EXPECT_EQ(field(page, L"wire-tee-style").value, names[2]);
  EXPECT_EQ(field(page, L"wire-tee-style").choices, names);
}

TEST_F(StylesPageTest, StyleNumbersAreWrittenInDecimal) {
  const VoxCfgDrawingSettings settings = fullSettings();
  const std::pair<const wchar_t*, int> cases[] = {{L"plc-style", 42}, {L"arrow-style", 43}, {L"fan-style", 57}};
  for (const auto& [id, index] : cases) {
    const StoreResult result = storeAfterChange(page, settings, nullptr, id, L" 012 ");
    EXPECT_EQ(result.drawing, Indices{index}) << id;
    EXPECT_EQ(valueOf(result.settings, index), L"12") << id;
  }
  page.load(settings, nullptr);
  ASSERT_TRUE(page.setField(L"arrow-style", L"0x1A"));
  const std::optional<PageRefusal> refusal = page.leave();
  ASSERT_TRUE(refusal) << "not a decimal number";
  EXPECT_EQ(refusal->focusField, L"arrow-style");
}

TEST_F(StylesPageTest, GapStyleAndFanLayersWriteTheirOwnSettings) {
  const VoxCfgDrawingSettings settings = fullSettings();
  const StoreResult gap = storeAfterChange(page, settings, nullptr, L"wire-gap-style", pageText(L"choice-wire-gap-style-2"));
  EXPECT_EQ(gap.drawing, Indices{49});
  EXPECT_EQ(valueOf(gap.settings, 49), L"2");
  const StoreResult fan = storeAfterChange(page, settings, nullptr, L"fan-layers", L"_MULTI_WIRE,FAN");
  EXPECT_EQ(fan.drawing, Indices{56});
}

}  // namespace
}  // namespace vox::dialogs::test
