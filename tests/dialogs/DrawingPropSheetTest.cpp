// The drawing properties sheet without a drawing: the Drawing Settings page's fields and what it
// writes back, the description lines rule, the pick buttons and what a pick puts into the sheet,
// and the datum coordinates' format.

#include "dialogs/CVoxCfgDrawingPropSheet.h"

#include "PageFixture.h"
#include "dialogs/CVoxCfgDrawingPropSettingsPage.h"
#include "dialogs/CVoxCfgWDMAlertDlg.h"
#include "dialogs/PageTexts.h"

namespace vox::dialogs::test {
namespace {

using Lines = std::vector<std::wstring>;

TEST(DescriptionLines, TrailingEmptyLinesGoAndInnerOnesStay) {
  EXPECT_EQ(rebuildDescriptions({}, L"A", L"", L"C"), (Lines{L"A", L"", L"C"}));
  EXPECT_EQ(rebuildDescriptions({L"x", L"y", L"z"}, L"A", L"", L""), Lines{L"A"});
  EXPECT_EQ(rebuildDescriptions({L"x"}, L"", L"", L""), Lines{});
  EXPECT_EQ(rebuildDescriptions({L"x", L"y", L"z", L"4th", L""}, L"A", L"", L""), (Lines{L"A", L"", L"", L"4th"}))
      << "lines the sheet does not show are kept";
}

TEST(DatumFormat, ThePrecisionGivesTheDecimals) {
  EXPECT_EQ(formatCoordinate(12.345, 2), L"12.35");
  EXPECT_EQ(formatCoordinate(-3.0, 0), L"-3");
  EXPECT_EQ(formatCoordinate(12.5, std::nullopt), L"12.500000");
  EXPECT_EQ(formatCoordinate(1e300, 2).size(), 304u) << "a huge value still formats whole";
}

DrawingSheetData sampleData() {
  DrawingSheetData data;
  data.fileName = L"A01.dwg";
  data.projectName = L"PLANT";
  data.titles = {L"Main", L"", L"", L"PN", L"L3", L"CAB", L"01", L"A01", L"Power", L"Supply"};
  data.entry = VoxPrmFileDetails{L"A01.dwg", L"Power", L"Supply", {L"Main", L"Old 2"}, false};
  data.frozenLayers = {L"HIDDEN"};
  data.thawedLayers = {L"wires", L"TEXT"};
  return data;
}

class DrawingSettingsPage : public PageTest {
 protected:
  DrawingSheetData data = sampleData();
  CVoxCfgDrawingPropSettingsPage page{data};
  VoxCfgDrawingSettings settings = fullSettings();
};

TEST_F(DrawingSettingsPage, ShowsTheTitleValuesTheEntryAndTheLayers) {
  page.load(settings, nullptr);
  EXPECT_EQ(field(page, L"file-name").value, L"A01.dwg");
  EXPECT_EQ(field(page, L"file-name").kind, HcFieldKind::kLabel);
  EXPECT_EQ(field(page, L"project").value, L"PLANT");
  EXPECT_EQ(field(page, L"description-1").value, L"Main");
  EXPECT_EQ(field(page, L"location-code").value, L"CAB");
  EXPECT_EQ(field(page, L"sub-section").value, L"Supply");
  const HcDialogField layers = field(page, L"frozen-layers");
  EXPECT_EQ(layers.choices, (Lines{L"HIDDEN", L"TEXT", L"wires"}));
  EXPECT_EQ(layers.value, L"0");
  EXPECT_EQ(field(page, L"reference").value, L"0");
  EXPECT_TRUE(field(page, L"reference").enabled);
}

TEST_F(DrawingSettingsPage, AcceptWritesTitlesTheFiveSettingsTheEntryAndTheLayers) {
  page.load(settings, nullptr);
  ASSERT_TRUE(page.setField(L"description-3", L"Third"));
  ASSERT_TRUE(page.setField(L"sheet", L"07"));
  ASSERT_TRUE(page.setField(L"installation-code", L"L4"));
  ASSERT_TRUE(page.setField(L"reference", L"1"));
  ASSERT_TRUE(page.setField(L"frozen-layers", L"1,2"));
  const VoxCfgDrawingSettings before = settings;
  page.store(settings, nullptr);
  EXPECT_EQ(data.titles[2], L"Third");
  EXPECT_EQ(data.titles[6], L"07");
  EXPECT_EQ(valueOf(settings, 13), L"07");
  EXPECT_EQ(valueOf(settings, 52), L"L4");
  EXPECT_EQ(changedIndices(before, settings), (std::set<int>{13, 46, 51, 52, 53}))
      << "the full record's values differ from the title values, so all five follow them";
  EXPECT_EQ(data.entry->descriptions, (Lines{L"Main", L"", L"Third"}));
  EXPECT_TRUE(data.entry->isReference);
  EXPECT_EQ(data.frozenLayers, (Lines{L"TEXT", L"wires"}));
  EXPECT_EQ(data.thawedLayers, Lines{L"HIDDEN"});
}

TEST_F(DrawingSettingsPage, SettingsThatAlreadyMatchStayAsTheyAre) {
  VoxCfgDrawingSettings empty;
  const std::wstring sheet = L"01";
  empty.setValue(13, &sheet);
  data.titles = {L"Main", L"", L"", L"", L"", L"", L"01", L"", L"", L""};
  page.load(empty, nullptr);
  VoxCfgDrawingSettings target = empty;
  page.store(target, nullptr);
  EXPECT_EQ(target, empty) << "unset indices whose field is empty stay unset";
}

TEST_F(DrawingSettingsPage, WithoutAnEntryTheReferenceBoxIsOffAndBadLayerRowsAreRefused) {
  data.entry.reset();
  page.load(settings, nullptr);
  EXPECT_FALSE(field(page, L"reference").enabled);
  EXPECT_FALSE(page.setField(L"reference", L"1"));
  EXPECT_FALSE(page.setField(L"frozen-layers", L"3"));
  EXPECT_FALSE(page.setField(L"frozen-layers", L"0,x"));
  EXPECT_FALSE(page.setField(L"file-name", L"B.dwg"));
  EXPECT_TRUE(page.setField(L"frozen-layers", L""));
  page.store(settings, nullptr);
  EXPECT_TRUE(data.frozenLayers.empty());
  EXPECT_FALSE(data.entry.has_value());
}

class DrawingSheet : public PageTest {
 protected:
  std::vector<std::wstring> buttonIds() const {
    std::vector<std::wstring> ids;
    for (const HcDialogButton& b : sheet->buttons()) ids.push_back(b.id + (b.enabled ? L"" : L"[greyed]"));
    return ids;
  }
  std::wstring fieldValue(const std::wstring& id) const {
    for (const HcDialogField& f : sheet->fields())
      if (f.id == id) return f.value;
    return L"?";
  }
  void SetUp() override {
    PageTest::SetUp();
    sheet = std::make_unique<CVoxCfgDrawingPropSheet>(sampleData(), fullSettings());
  }
  std::unique_ptr<CVoxCfgDrawingPropSheet> sheet;
};

TEST_F(DrawingSheet, SixPagesWithPickButtonsOnTheirPages) {
  EXPECT_EQ(sheet->pages().size(), 6u);
  EXPECT_EQ(sheet->pages().front(), pageText(L"page-drawing-settings"));
  EXPECT_EQ(buttonIds(), (Lines{L"ok", L"cancel", L"help", L"pick-description-1", L"pick-description-2",
                                L"pick-description-3"}));
  sheet->selectPage(1);
  EXPECT_EQ(buttonIds(), (Lines{L"ok", L"cancel", L"help"}));
  sheet->selectPage(5);
  EXPECT_EQ(buttonIds().back(), L"pick-datum[greyed]") << "line references have no datum";
  ASSERT_TRUE(sheet->setField(L"reference-kind", pageText(L"choice-reference-kind-4")));
  EXPECT_EQ(buttonIds().back(), L"pick-datum");
  EXPECT_EQ(sheet->helpTopic(), L"drawing_props_drawingformat_page_dialog");
}

TEST_F(DrawingSheet, APickClosesTheSheetAndWhatWasPickedComesBackIntoItsField) {
  ASSERT_TRUE(sheet->setField(L"description-1", L"Edited"));
  const HcDialogOutcome outcome = sheet->press(L"pick-description-2");
  EXPECT_TRUE(outcome.closed);
  EXPECT_EQ(outcome.result, kDrawingSheetPick);
  EXPECT_EQ(sheet->takePick(), DrawingPick::kDescription2);
  EXPECT_EQ(sheet->takePick(), DrawingPick::kNone);
  EXPECT_TRUE(sheet->putText(DrawingPick::kDescription2, L"Picked"));
  EXPECT_EQ(fieldValue(L"description-1"), L"Edited") << "edits survive the pick";
  EXPECT_EQ(fieldValue(L"description-2"), L"Picked");
  EXPECT_EQ(sheet->press(L"ok").result, kHcDialogOk);
  EXPECT_EQ(sheet->data().entry->descriptions, (Lines{L"Edited", L"Picked"}));
  EXPECT_EQ(sheet->data().titles[0], L"Edited");
}

TEST_F(DrawingSheet, APointGoesIntoTheDatumFieldsOnlyWhileTheyAreEnabled) {
  EXPECT_FALSE(sheet->putPoint(L"1.00", L"2.00")) << "the Drawing Format page was never shown";
  sheet->selectPage(5);
  EXPECT_FALSE(sheet->press(L"pick-datum").closed) << "a greyed button does nothing";
  EXPECT_FALSE(sheet->putPoint(L"1.00", L"2.00"));
  ASSERT_TRUE(sheet->setField(L"reference-kind", pageText(L"choice-reference-kind-4")));
  EXPECT_TRUE(sheet->press(L"pick-datum").closed);
  EXPECT_EQ(sheet->takePick(), DrawingPick::kDatumPoint);
  EXPECT_TRUE(sheet->putPoint(L"1.00", L"2.00"));
  EXPECT_EQ(sheet->press(L"ok").result, kHcDialogOk);
  EXPECT_EQ(valueOf(sheet->settings(), 18), L"1.00");
  EXPECT_EQ(valueOf(sheet->settings(), 19), L"2.00");
}

TEST_F(DrawingSheet, CancelLeavesTheDataAsItWas) {
  ASSERT_TRUE(sheet->setField(L"sheet", L"99"));
  EXPECT_EQ(sheet->press(L"cancel").result, kHcDialogCancel);
  EXPECT_EQ(sheet->data(), sampleData());
  EXPECT_EQ(sheet->settings(), fullSettings());
}

TEST_F(PageTest, TheAlertOffersTheProjectDefaultsTickedAtFirst) {
  CVoxCfgWDMAlertDlg alert(L"A01.dwg");
  EXPECT_TRUE(alert.useProjectDefaults());
  EXPECT_NE(alert.fields().front().value.find(L"A01.dwg"), std::wstring::npos);
  EXPECT_FALSE(alert.setField(L"use-project-defaults", L"yes"));
  EXPECT_TRUE(alert.setField(L"use-project-defaults", L"0"));
  EXPECT_FALSE(alert.useProjectDefaults());
  EXPECT_EQ(alert.press(L"cancel").result, kHcDialogCancel);
  EXPECT_EQ(alert.press(L"ok").result, kHcDialogOk);
}

}  // namespace
}  // namespace vox::dialogs::test
