// The Drawing Format page: ladder defaults, referencing with its enabled fields, scale, sort
// order, layers and its three flag bits.

#include "dialogs/DrawingFormatPage.h"

#include "PageFixture.h"
#include "dialogs/PageTexts.h"
#include "host/ResourceText.h"

namespace vox::dialogs::test {
namespace {

using Indices = std::set<int>;

class DrawingFormatPageTest : public PageTest {
 protected:
  VoxCfgDrawingSettings xySettings(int flags = 0) {
    VoxCfgDrawingSettings settings = fullSettings(flags);
    const std::wstring xy = L"4";
    settings.setValue(1, &xy);
    return settings;
  }
  DrawingFormatPage page;
};

TEST_F(DrawingFormatPageTest, EveryFieldWritesExactlyTheSettingsOfThePage) {
  const VoxCfgDrawingSettings settings = xySettings();
  page.load(settings, nullptr);
  for (const HcDialogField& f : page.fields()) {
    if (f.kind == HcFieldKind::kCheck) {
      ASSERT_TRUE(page.setField(f.id, f.value == L"1" ? L"0" : L"1")) << f.label;
    } else if (f.kind == HcFieldKind::kNumber) {
      ASSERT_TRUE(page.setField(f.id, L"9.5")) << f.label;
    } else if (f.kind == HcFieldKind::kText) {
      ASSERT_TRUE(page.setField(f.id, L"NEW")) << f.label;
    }
  }
  ASSERT_TRUE(page.setField(L"ladder-orientation", pageText(L"choice-vertical")));
  EXPECT_FALSE(page.leave());
  VoxCfgDrawingSettings out(settings);
  page.store(out, nullptr);
  Indices expected{0, 11, 12, 17, 18, 19, 20, 21, 22, 23, 24, 25, 30, 31, 59, 50};
  for (int i : {26, 27, 28, 29, 32, 33, 34, 35, 36, 37, 38, 39, 40, 44, 45, 48, 54, 58}) expected.insert(i);
  EXPECT_EQ(changedIndices(settings, out), expected);
  EXPECT_EQ(valueOf(out, 50), L"11") << "bits 1, 2 and 8";
  EXPECT_EQ(valueOf(out, 0), L"V");
  EXPECT_EQ(valueOf(out, 24), L"0") << "the default 1 toggled";
}

TEST_F(DrawingFormatPageTest, EachFlagBoxChangesOnlyItsBit) {
  const std::pair<const wchar_t*, int> boxes[] = {
      {L"scale-mm", 1}, {L"ignore-layer-0", 2}, {L"suppress-line-references", 8}};
  const int others = 4 | 16 | 32 | 64;
  for (const auto& [id, bit] : boxes) {
    const StoreResult on = storeAfterChange(page, fullSettings(others), nullptr, id, L"1");
    EXPECT_EQ(on.drawing, Indices{50}) << id;
    EXPECT_EQ(valueOf(on.settings, 50), std::to_wstring(others | bit)) << id;
    const StoreResult off = storeAfterChange(page, fullSettings(0x7F), nullptr, id, L"0");
    EXPECT_EQ(valueOf(off.settings, 50), std::to_wstring(0x7F & ~bit)) << id;
  }
}

TEST_F(DrawingFormatPageTest, ReferencingFieldsFollowTheReferenceKind) {
  page.load(fullSettings(), nullptr);  // "1": reference numbers
  for (const wchar_t* id : {L"datum-x", L"interval-h", L"interval-v", L"xy-delimiter", L"horizontal-first"}) {
    EXPECT_FALSE(field(page, id).enabled) << id;
  }
  ASSERT_TRUE(page.setField(L"reference-kind", pageText(L"choice-reference-kind-5")));  // X-zone
  EXPECT_TRUE(field(page, L"datum-x").enabled);
  EXPECT_TRUE(field(page, L"interval-h").enabled);
  EXPECT_FALSE(field(page, L"interval-v").enabled);
  EXPECT_FALSE(field(page, L"xy-delimiter").enabled);
  ASSERT_TRUE(page.setField(L"reference-kind", pageText(L"choice-reference-kind-4")));  // X-Y
  EXPECT_TRUE(field(page, L"interval-v").enabled);
  EXPECT_TRUE(field(page, L"horizontal-first").enabled);
  EXPECT_FALSE(page.setField(L"reference-kind", L"9")) << "choices are chosen by their text";

  VoxCfgDrawingSettings out = fullSettings();
  page.store(out, nullptr);
  EXPECT_EQ(valueOf(out, 1), L"4");
}

TEST_F(DrawingFormatPageTest, NumbersAreCheckedWhereEnabledAndADatumMayBeEmpty) {
  VoxCfgDrawingSettings settings = fullSettings();
  const std::wstring bad = L"wide";
  settings.setValue(21, &bad);  // vertical interval: X-Y only
  page.load(settings, nullptr);
  EXPECT_EQ(field(page, L"datum-x").value, L"");
  EXPECT_FALSE(page.leave()) << "the interval is disabled for reference numbers";

  ASSERT_TRUE(page.setField(L"reference-kind", pageText(L"choice-reference-kind-4")));
  std::optional<PageRefusal> refusal = page.leave();
  ASSERT_TRUE(refusal) << "empty datum passes; the enabled interval does not";
  EXPECT_EQ(refusal->focusField, L"interval-v");
  EXPECT_EQ(refusal->message, host::resourceText(kMsgNotANumber, {pageText(L"field-interval-v")}));
  ASSERT_TRUE(page.setField(L"interval-v", L"2.5"));
  ASSERT_TRUE(page.setField(L"datum-x", L"1,5"));
  refusal = page.leave();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->focusField, L"datum-x");
  ASSERT_TRUE(page.setField(L"datum-x", L"1.5"));

  ASSERT_TRUE(page.setField(L"feature-scale", L""));
  refusal = page.leave();
  ASSERT_TRUE(refusal) << "a scale factor must be given";
  EXPECT_EQ(refusal->focusField, L"feature-scale");
  ASSERT_TRUE(page.setField(L"feature-scale", L"25.4"));
  EXPECT_FALSE(page.leave());
}

TEST_F(DrawingFormatPageTest, OrientationIsVOrH) {
  VoxCfgDrawingSettings settings = fullSettings();
  const std::wstring lower = L"v";
  settings.setValue(0, &lower);
  page.load(settings, nullptr);
  EXPECT_EQ(field(page, L"ladder-orientation").value, pageText(L"choice-vertical"));
  const StoreResult result = storeAfterChange(page, settings, nullptr, L"ladder-orientation", pageText(L"choice-horizontal"));
  EXPECT_EQ(result.drawing, Indices{0});
  EXPECT_EQ(valueOf(result.settings, 0), L"H");
}

}  // namespace
}  // namespace vox::dialogs::test
