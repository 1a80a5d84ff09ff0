// The Project Settings page: each field writes only its own misc setting, the position list's
// first entry clears setting 31, the code standard chosen by code with its fallback, and
// nothing written for an untouched page.

#include "dialogs/CVoxCfgProjPropSettingsPage.h"

#include "PageFixture.h"
#include "dialogs/PageTexts.h"
#include "host/HcHostRuntime.h"
#include "platform/interaction/ScriptedInteraction.h"

namespace vox::dialogs::test {
namespace {

using Indices = std::set<int>;

const std::vector<VoxCodeStandard> kStandards{
    {L"JIC standard", L"JIC"}, {L"NEC standard", L"NEC"}, {L"No standard", L""}, {L"IEC standard", L"IEC"}};

std::wstring miscValue(const VoxPrmMiscProjSettings& misc, int index) {
  std::wstring value = L"<unset>";
  misc.getValue(index, value);
  return value;
}

class ProjectSettingsPageTest : public PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    HcHostRuntime runtime = hcHostRuntime();
    runtime.interaction = &answers;
    hcInstallHostRuntime(runtime);
  }
  interaction::ScriptedInteraction answers;
  CVoxCfgProjPropSettingsPage page{kStandards, L"\\home\\u\\Demo\\DEMO.wdp"};
  VoxCfgDrawingSettings settings = fullSettings();
};

TEST_F(ProjectSettingsPageTest, EachFieldWritesOnlyItsOwnMiscSettingAndNoDrawingSetting) {
  const VoxPrmMiscProjSettings misc = fullMisc();
  const std::vector<std::tuple<std::wstring, std::wstring, int, std::wstring>> cases{
      {L"schematic-libraries", L"C:\\Lib\\A;C:\\Lib\\B", 1, L"C:\\Lib\\A;C:\\Lib\\B"},
      {L"schematic-icon-menu", L"C:\\Menu\\sch.dat", 2, L"C:\\Menu\\sch.dat"},
      {L"panel-libraries", L"C:\\Panel", 3, L"C:\\Panel"},
      {L"panel-icon-menu", L"C:\\Menu\\pnl.dat", 4, L"C:\\Menu\\pnl.dat"},
      {L"catalog-mode", pageText(L"choice-catalog-mode-2"), 6, L"2"},
      {L"catalog-own-file", L"0", 23, L"0"},
      {L"catalog-file", L"C:\\Cat\\own.mdb", 24, L"C:\\Cat\\own.mdb"},
      {L"project-option-32", L"0", 32, L"0"},
      {L"position", pageText(L"choice-position-4"), 31, L"4"},
      {L"code-standard", L"IEC standard", 38, L"IEC"},
  };
  for (const auto& [id, value, index, written] : cases) {
    const StoreResult result = storeAfterChange(page, settings, &misc, id, value);
    EXPECT_EQ(result.misc, Indices{index}) << std::string(id.begin(), id.end());
    EXPECT_EQ(result.drawing, Indices{}) << std::string(id.begin(), id.end());
    EXPECT_EQ(miscValue(result.miscSettings, index), written) << std::string(id.begin(), id.end());
  }
}

TEST_F(ProjectSettingsPageTest, AnUntouchedPageWritesNothingNotEvenTheStandardItFellBackTo) {
  for (const VoxPrmMiscProjSettings& misc : {fullMisc(), VoxPrmMiscProjSettings()}) {
    page.load(settings, &misc);
    EXPECT_EQ(page.leave(), std::nullopt);
    VoxPrmMiscProjSettings out(misc);
    VoxCfgDrawingSettings drawing(settings);
    page.store(drawing, &out);
    EXPECT_EQ(changedIndices(misc, out), Indices{});
    EXPECT_EQ(changedIndices(settings, drawing), Indices{});
  }
}

TEST_F(ProjectSettingsPageTest, TheFirstPositionEntryClearsSetting31) {
  VoxPrmMiscProjSettings misc = fullMisc();
  const int three = 3;
  misc.setValue(31, &three);
  page.load(settings, &misc);
  EXPECT_EQ(field(page, L"position").value, pageText(L"choice-position-3")) << "value N shows entry N + 1";
  EXPECT_EQ(field(page, L"position").choices.front(), pageText(L"choice-position-none"));

  const StoreResult cleared = storeAfterChange(page, settings, &misc, L"position", pageText(L"choice-position-none"));
  EXPECT_EQ(cleared.misc, Indices{31});
  int left = 0;
  EXPECT_EQ(cleared.miscSettings.getValue(31, left), VoxPrmMiscProjSettings::kNotSet) << "cleared, not -1 or 0";

  const StoreResult first = storeAfterChange(page, settings, &misc, L"position", pageText(L"choice-position-0"));
  EXPECT_EQ(miscValue(first.miscSettings, 31), L"0") << "the second entry writes 0";
}

TEST_F(ProjectSettingsPageTest, AnUnsetPositionShowsTheFirstEntryAndAnUnknownOneIsKept) {
  VoxPrmMiscProjSettings misc = fullMisc();
  misc.setValue(31, static_cast<const int*>(nullptr));
  page.load(settings, &misc);
  EXPECT_EQ(field(page, L"position").value, pageText(L"choice-position-none")) << "not the entry of 0";
  const StoreResult chosen = storeAfterChange(page, settings, &misc, L"position", pageText(L"choice-position-0"));
  EXPECT_EQ(miscValue(chosen.miscSettings, 31), L"0");

  const int far = 57;
  misc.setValue(31, &far);
  const StoreResult other = storeAfterChange(page, settings, &misc, L"project-option-32", L"0");
  EXPECT_EQ(miscValue(other.miscSettings, 31), L"57") << "a value the list does not offer stays untouched";
}

TEST_F(ProjectSettingsPageTest, TheCodeStandardIsChosenByCodeElseTheFirstEmptyOrNecEntry) {
  VoxPrmMiscProjSettings misc;
  const std::vector<std::pair<const wchar_t*, const wchar_t*>> cases{
      {L"iec", L"IEC standard"},   // by code, ignoring case
      {L"JIC", L"JIC standard"},
      {L"XYZ", L"NEC standard"},   // no such code: the first entry whose code is empty or NEC
      {nullptr, L"NEC standard"},  // unset alike
  };
  for (const auto& [code, shown] : cases) {
    if (code != nullptr) {
      const std::wstring text = code;
      misc.setValue(38, &text);
    } else {
      misc.setValue(38, static_cast<const std::wstring*>(nullptr));
    }
    page.load(settings, &misc);
    EXPECT_EQ(field(page, L"code-standard").value, shown) << (code != nullptr ? code : L"unset");
  }
  EXPECT_EQ(field(page, L"code-standard").choices,
            (std::vector<std::wstring>{L"JIC standard", L"NEC standard", L"No standard", L"IEC standard"}));
  const StoreResult none = storeAfterChange(page, settings, &misc, L"code-standard", L"No standard");
  EXPECT_EQ(miscValue(none.miscSettings, 38), L"");

  CVoxCfgProjPropSettingsPage emptyFirst({{L"Blank", L""}, {L"NEC", L"NEC"}}, L"P.wdp");
  emptyFirst.load(settings, &misc);
  EXPECT_EQ(field(emptyFirst, L"code-standard").value, L"Blank");
}

TEST_F(ProjectSettingsPageTest, WithoutStandardsTheListIsGreyedAndTheSettingKept) {
  CVoxCfgProjPropSettingsPage bare({}, L"P.wdp");
  const VoxPrmMiscProjSettings misc = fullMisc();
  bare.load(settings, &misc);
  EXPECT_FALSE(field(bare, L"code-standard").enabled);
  EXPECT_FALSE(bare.setField(L"code-standard", L"38"));
  VoxPrmMiscProjSettings out(misc);
  bare.store(settings, &out);
  EXPECT_EQ(miscValue(out, 38), L"38");
}

TEST_F(ProjectSettingsPageTest, ThePageShowsTheProjectFileReadOnlyAndItsTextsComeFromTheCatalog) {
  const VoxPrmMiscProjSettings misc = fullMisc();
  page.load(settings, &misc);
  const HcDialogField file = field(page, L"project-file");
  EXPECT_EQ(file.kind, HcFieldKind::kLabel);
  EXPECT_EQ(file.value, L"\\home\\u\\Demo\\DEMO.wdp");
  EXPECT_FALSE(page.setField(L"project-file", L"x.wdp"));
  EXPECT_EQ(page.title(), L"Project Settings");
  EXPECT_EQ(helpTopic(L"proj_props_", page), L"proj_props_settings_page_dialog");
  for (const HcDialogField& f : page.fields()) {
    EXPECT_FALSE(f.label.starts_with(L"field-")) << f.label;
    if (f.id == L"code-standard") continue;
    for (const std::wstring& choice : f.choices) EXPECT_FALSE(choice.starts_with(L"choice-")) << choice;
  }
  EXPECT_EQ(field(page, L"schematic-libraries").kind, HcFieldKind::kPath);
  EXPECT_EQ(field(page, L"catalog-own-file").value, L"1") << "23 set to 23 reads as checked";
}

TEST_F(ProjectSettingsPageTest, BrowsingAsksForAFolderOrAFileAndACancelKeepsTheField) {
  const VoxPrmMiscProjSettings misc = fullMisc();
  page.load(settings, &misc);
  answers.queueReply(L"C:\\Lib\\Schematic");
  EXPECT_TRUE(page.browse(L"schematic-libraries"));
  answers.queueReply(std::nullopt);
  EXPECT_TRUE(page.browse(L"catalog-file"));
  EXPECT_FALSE(page.browse(L"position")) << "no browse button";
  ASSERT_EQ(answers.asked().size(), 2u);
  EXPECT_EQ(answers.asked()[0].kind, interaction::QuestionKind::kChooseFolder);
  EXPECT_EQ(answers.asked()[0].caption, L"1") << "starting from the field's value";
  EXPECT_EQ(answers.asked()[1].kind, interaction::QuestionKind::kChooseFile);
  VoxPrmMiscProjSettings out(misc);
  page.store(settings, &out);
  EXPECT_EQ(changedIndices(misc, out), Indices{1});
  EXPECT_EQ(miscValue(out, 1), L"C:\\Lib\\Schematic");
}

}  // namespace
}  // namespace vox::dialogs::test
