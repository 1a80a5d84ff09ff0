// The property sheet: pages read when first shown, leaving refused by a page, shown pages
// written back in page order, Cancel writing nothing, pictures and help topics; and the five
// shared pages together on a project's records.

#include "dialogs/PropertySheetController.h"

#include "PageFixture.h"
#include "dialogs/ComponentsPage.h"
#include "dialogs/CrossRefPage.h"
#include "dialogs/DrawingFormatPage.h"
#include "dialogs/LadderPictures.h"
#include "dialogs/MiscFlagBits.h"
#include "dialogs/PageTexts.h"
#include "dialogs/StylesPage.h"
#include "dialogs/WireNumbersPage.h"

namespace vox::dialogs::test {
namespace {

using Log = std::vector<std::wstring>;

// A page that records what the sheet asks of it.
class RecordingPage : public PropertyPage {
 public:
  RecordingPage(std::wstring name, Log& log) : m_name(std::move(name)), m_log(log) {}
  std::wstring title() const override { return m_name; }
  std::wstring helpSuffix() const override { return m_name + L"_page"; }
  void load(const VoxCfgDrawingSettings&, const VoxPrmMiscProjSettings* misc) override {
    m_log.push_back(L"load " + m_name + (misc != nullptr ? L" +misc" : L""));
  }
  std::vector<HcDialogField> fields() const override {
    HcDialogField only;
    only.id = m_name + L"-field";
    return {only};
  }
  bool setField(const std::wstring& id, const std::wstring&) override { return id == m_name + L"-field"; }
  std::optional<PageRefusal> leave() override {
    m_log.push_back(L"leave " + m_name);
    if (refuse) return PageRefusal{m_name + L"-field", L"no"};
    return std::nullopt;
  }
  void store(VoxCfgDrawingSettings&, VoxPrmMiscProjSettings*) const override { m_log.push_back(L"store " + m_name); }
  std::vector<PagePicture> pictures() const override {
    return {{L"", ladderVertical() ? L"vertical" : L"horizontal"}};
  }
  bool refuse = false;

 private:
  std::wstring m_name;
  Log& m_log;
};

class PropertySheetTest : public PageTest {
 protected:
  std::unique_ptr<PropertySheetController> sheetOf(std::initializer_list<const wchar_t*> names,
                                                   SheetRecords records = {}) {
    auto sheet = std::make_unique<PropertySheetController>(L"proj-props", L"Project Properties", L"proj_props_",
                                                           std::move(records));
    for (const wchar_t* name : names) {
      auto page = std::make_unique<RecordingPage>(name, log);
      pages.push_back(page.get());
      sheet->addPage(std::move(page));
    }
    return sheet;
  }
  Log log;
  std::vector<RecordingPage*> pages;
};

TEST_F(PropertySheetTest, PagesAreReadWhenFirstShownAndWrittenInPageOrder) {
  auto sheet = sheetOf({L"a", L"b", L"c", L"d"});
  sheet->open(2);
  EXPECT_EQ(sheet->currentPage(), 2);
  EXPECT_EQ(sheet->fields().front().id, L"c-field");
  EXPECT_TRUE(sheet->setField(L"c-field", L"x"));
  EXPECT_FALSE(sheet->setField(L"a-field", L"x")) << "only the current page's fields";
  sheet->selectPage(0);
  sheet->selectPage(2);
  EXPECT_EQ(log, (Log{L"load c", L"leave c", L"load a", L"leave a"})) << "read once";
  log.clear();

  const HcDialogOutcome outcome = sheet->press(L"ok");
  EXPECT_TRUE(outcome.closed);
  EXPECT_EQ(outcome.result, kHcDialogOk);
  EXPECT_EQ(log, (Log{L"leave c", L"store a", L"store c"})) << "never shown: b and d write nothing";
  EXPECT_TRUE(sheet->wasShown(0));
  EXPECT_FALSE(sheet->wasShown(1));
  EXPECT_EQ(sheet->pages(), (std::vector<std::wstring>{L"a", L"b", L"c", L"d"}));
}

TEST_F(PropertySheetTest, ARefusingPageKeepsTheSheetOnIt) {
  auto sheet = sheetOf({L"a", L"b"});
  sheet->open();
  pages[0]->refuse = true;
  HcDialogOutcome outcome = sheet->selectPage(1);
  EXPECT_FALSE(outcome.closed);
  EXPECT_EQ(outcome.focusField, L"a-field");
  EXPECT_EQ(outcome.message, L"no");
  EXPECT_EQ(sheet->currentPage(), 0);
  EXPECT_FALSE(sheet->wasShown(1));

  outcome = sheet->press(L"ok");
  EXPECT_FALSE(outcome.closed);
  EXPECT_EQ(outcome.focusField, L"a-field");
  pages[0]->refuse = false;
  EXPECT_EQ(sheet->selectPage(1).message, L"");
  EXPECT_EQ(sheet->currentPage(), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), L"store a"), 0) << "nothing written while refused";
}

TEST_F(PropertySheetTest, CancelWritesNothing) {
  auto sheet = sheetOf({L"a", L"b"});
  sheet->open();
  sheet->selectPage(1);
  pages[1]->refuse = true;
  const HcDialogOutcome outcome = sheet->press(L"cancel");
  EXPECT_TRUE(outcome.closed);
  EXPECT_EQ(outcome.result, kHcDialogCancel);
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::wstring& s) { return s.starts_with(L"store"); }), 0);
}

TEST_F(PropertySheetTest, PicturesFollowTheLadderOrientationReadAtOpening) {
  for (const auto& [orientation, picture] : {std::pair{L"v", L"vertical"}, std::pair{L"H", L"horizontal"},
                                            std::pair{L"", L"horizontal"}}) {
    SheetRecords records;
    const std::wstring value = orientation;
    records.shown.setValue(0, &value);
    auto sheet = sheetOf({L"a"}, std::move(records));
    sheet->open();
    EXPECT_EQ(sheet->pictures().front().resource, picture) << orientation;
  }
  EXPECT_EQ(ladderPicture(L"LADDER", true), L"LADDER_VERT_BMP");
  EXPECT_EQ(ladderPicture(L"LADDER", false), L"LADDER_HORZ_BMP");
}

TEST_F(PropertySheetTest, MiscSettingsReachThePagesOfTheProjectSheetOnly) {
  SheetRecords project;
  project.misc.emplace();
  auto projectSheet = sheetOf({L"p"}, std::move(project));
  projectSheet->open();
  auto drawingSheet = sheetOf({L"d"});
  drawingSheet->open();
  EXPECT_EQ(log, (Log{L"load p +misc", L"load d"}));
  EXPECT_EQ(projectSheet->helpTopic(), L"proj_props_p_page");
}

// The five shared pages on a project: shown settings filled with defaults, the project's own
// defaults (some unset) as the target.
class SharedPagesSheetTest : public PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    SheetRecords records{fullSettings(), VoxCfgDrawingSettings(), fullMisc()};
    const std::wstring twelve = L"12", flags = L"4";
    records.written.setValue(12, &twelve);
    records.written.setValue(kMiscFlagsIndex, &flags);
    projectDefaults = VoxCfgDrawingSettings(records.written);
    sheet = std::make_unique<PropertySheetController>(L"proj-props", L"Project Properties", L"proj_props_",
                                                      std::move(records));
    sheet->addPage(std::make_unique<ComponentsPage>());
    sheet->addPage(std::make_unique<WireNumbersPage>());
    sheet->addPage(std::make_unique<CrossRefPage>());
    sheet->addPage(std::make_unique<StylesPage>());
    sheet->addPage(std::make_unique<DrawingFormatPage>());
    sheet->open();
  }
  VoxCfgDrawingSettings projectDefaults;
  std::unique_ptr<PropertySheetController> sheet;
};

TEST_F(SharedPagesSheetTest, AcceptingUntouchedPagesChangesNothing) {
  for (int i = 0; i < 5; ++i) EXPECT_EQ(sheet->selectPage(i).message, L"") << i;
  EXPECT_TRUE(sheet->press(L"ok").closed);
  EXPECT_EQ(changedIndices(projectDefaults, sheet->records().written), std::set<int>{});
  EXPECT_EQ(changedIndices(fullMisc(), *sheet->records().misc), std::set<int>{});
}

TEST_F(SharedPagesSheetTest, PagesShareTheFlagWordBitByBit) {
  ASSERT_TRUE(sheet->setField(L"search-plc-address", L"1"));
  ASSERT_TRUE(sheet->setField(L"tag-option-11", L"0"));
  ASSERT_TRUE(sheet->selectPage(3).message.empty());
  ASSERT_TRUE(sheet->setField(L"wire-tee-style", wireTeeStyleNames()[3]));
  ASSERT_TRUE(sheet->selectPage(4).message.empty());
  ASSERT_TRUE(sheet->setField(L"scale-mm", L"1"));
  ASSERT_TRUE(sheet->press(L"ok").closed);

  const VoxCfgDrawingSettings& written = sheet->records().written;
  EXPECT_EQ(changedIndices(projectDefaults, written), std::set<int>{kMiscFlagsIndex});
  EXPECT_EQ(valueOf(written, kMiscFlagsIndex), L"117") << "4 kept, 16 + 96 + 1 added";
  EXPECT_EQ(changedIndices(fullMisc(), *sheet->records().misc), std::set<int>{11});
}

TEST_F(SharedPagesSheetTest, TheTagFormatCheckRunsOnOkAndResetsTheField) {
  ASSERT_TRUE(sheet->setField(L"tag-format", L"%F"));
  const HcDialogOutcome outcome = sheet->press(L"ok");
  EXPECT_FALSE(outcome.closed);
  EXPECT_EQ(outcome.focusField, L"tag-format");
  EXPECT_EQ(field(*sheet->page(0), L"tag-format").value, L"%F%N");
  EXPECT_EQ(valueOf(sheet->records().written, 5), L"<unset>") << "nothing written yet";
  ASSERT_TRUE(sheet->press(L"ok").closed);
  EXPECT_EQ(valueOf(sheet->records().written, 5), L"<unset>") << "the reset gave back the shown default";

  ASSERT_TRUE(sheet->setField(L"tag-format", L"%N%F"));
  ASSERT_TRUE(sheet->press(L"ok").closed);
  EXPECT_EQ(valueOf(sheet->records().written, 5), L"%N%F");
}

TEST_F(SharedPagesSheetTest, EveryTextOfThePagesIsInTheCatalog) {
  EXPECT_EQ(sheet->pages(), (std::vector<std::wstring>{L"Components", L"Wire Numbers", L"Cross-References",
                                                        L"Styles", L"Drawing Format"}));
  for (int i = 0; i < 5; ++i) {
    ASSERT_EQ(sheet->selectPage(i).message, L"");
    for (const HcDialogField& f : sheet->fields()) {
      EXPECT_FALSE(f.label.starts_with(L"field-")) << f.label;
      for (const std::wstring& choice : f.choices) EXPECT_FALSE(choice.starts_with(L"choice-")) << choice;
    }
  }
  for (const HcDialogButton& button : sheet->buttons()) EXPECT_FALSE(button.text.starts_with(L"button-"));
  EXPECT_EQ(sheet->helpTopic(), L"proj_props_drawingformat_page_dialog");
}

}  // namespace
}  // namespace vox::dialogs::test
