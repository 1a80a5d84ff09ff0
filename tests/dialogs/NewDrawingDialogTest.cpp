// The new-drawing dialog over a real project in the headless host: what it offers when it opens,
// the checks of OK with the field they focus, the template it falls back to and keeps, and the
// drawing it creates from a template (the template's own settings block kept or replaced).

#include <gtest/gtest.h>

#include <filesystem>

#include "core/ManagerTestSupport.h"
#include "dialogs/CVoxCfgDrawingNewDlg.h"
#include "host/VoxDbxBlockRef.h"
#include "module/ScriptedDialogUi.h"
#include "platform/os/Files.h"
#include "records/VoxCfgDrawingSettings.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;
using dialogs::CVoxCfgDrawingNewDlg;

const HcDialogField* findField(const std::vector<HcDialogField>& fields, const std::wstring& id) {
  for (const HcDialogField& field : fields)
    if (field.id == id) return &field;
  return nullptr;
}

class NewDrawingDialog : public ManagerFixture {
 protected:
  NewDrawingDialog() {
    writeDrawing(L"A.dwg");
    writeDrawing(L"B.dwg");
    projectID = project("P.wdp",
                        "*[1]Plant\r\n?[11]0.75\r\n=Power\r\n==Main supply\r\n===Main power\r\nA.dwg\r\n"
                        "= POWER\r\n==main supply\r\n===MAIN POWER\r\n===Motors\r\nB.dwg\r\n");
    fs::copy(fs::path(VOX_SOURCE_DIR) / "samples" / "Demo" / "DEMO.dwt", temp.native("T.dwt"));
  }
  void openProject() { ASSERT_TRUE(manager.openProject(projectID.c_str(), true, false)); }

  HcDialogField field(const CVoxCfgDrawingNewDlg& dialog, const std::wstring& id) const {
    const std::vector<HcDialogField> fields = dialog.fields();
    const HcDialogField* found = findField(fields, id);
    if (found != nullptr) return *found;
    HcDialogField missing;
    missing.id = L"<missing " + id + L">";
    return missing;
  }
  static bool okEnabled(const CVoxCfgDrawingNewDlg& dialog) {
    for (const HcDialogButton& button : dialog.buttons())
      if (button.id == L"ok") return button.enabled;
    return false;
  }
  std::optional<std::wstring> storedTemplate() {
    return settings().getString(dialogs::newDrawingSettingsKey(), dialogs::kTemplateFileValue);
  }

  // The "WD_M" attribute values of a drawing by tag; empty when it cannot be read.
  static std::map<std::wstring, std::wstring> settingsBlock(const std::wstring& path) {
    std::map<std::wstring, std::wstring> values;
    const std::unique_ptr<VoxDbxBlockRef> db = VoxDbxCreateBlockRef();
    if (!db->open(path, VoxDbxDatabase::kOpenForRead, false)) return values;
    if (db->find(L"WD_M"))
      for (const VoxDbxAttribute& attribute : db->attributes()) values[attribute.tag] = attribute.value;
    db->close(false);
    return values;
  }
  static void setAttribute(const std::wstring& path, const std::wstring& tag, const std::wstring& value) {
    const std::unique_ptr<VoxDbxBlockRef> db = VoxDbxCreateBlockRef();
    ASSERT_TRUE(db->open(path, VoxDbxDatabase::kOpenForWrite, false));
    ASSERT_TRUE(db->find(L"WD_M"));
    ASSERT_TRUE(db->setAttributeValue(tag, value));
    ASSERT_TRUE(db->close(true));
  }
  static std::wstring tagOf(int index) {
    std::wstring tag;
    VoxCfgDrawingSettings::getWD_MTagForIndex(index, tag);
    return tag;
  }

  // A dialog filled in and closed with OK, creating A12.dwg from T.dwt.
  std::unique_ptr<CVoxCfgDrawingNewDlg> acceptedDialog() {
    auto dialog = std::make_unique<CVoxCfgDrawingNewDlg>();
    const std::wstring templatePath = temp.path(L"T.dwt");
    const std::pair<const wchar_t*, const wchar_t*> values[] = {
        {L"name", L"A12"},          {L"template", templatePath.c_str()}, {L"description-1", L"Main power"},
        {L"description-3", L"Pumps"}, {L"iec-project", L"PRJ"},   {L"iec-installation", L"+A1"},
        {L"iec-location", L"-L2"},  {L"sheet", L"12"},              {L"drawing", L"D12"},
        {L"section", L"Power"},     {L"sub-section", L"Pumps"},     {L"reference", L"1"}};
    for (const auto& [id, value] : values) EXPECT_TRUE(dialog->setField(id, value)) << "field " << std::wstring(id).size();
    const HcDialogOutcome outcome = dialog->press(L"ok");
    EXPECT_TRUE(outcome.closed && outcome.result == kHcDialogOk) << "OK refused: " << outcome.message.size();
    return dialog;
  }

  std::wstring projectID;
  ScriptedDialogUi ui;
};

TEST_F(NewDrawingDialog, WithoutAnActiveProjectItClosesAtOnceAsCancel) {
  CVoxCfgDrawingNewDlg dialog;
  EXPECT_FALSE(dialog.hasProject());
  EXPECT_EQ(dialog.DoModal(), kHcDialogCancel);
  EXPECT_TRUE(ui.names.empty()) << "the dialog was shown";
}

TEST_F(NewDrawingDialog, OpensOnTheProjectFolderWithItsLinesOfferedOnceIgnoringCase) {
  settings().setString(dialogs::newDrawingSettingsKey(), dialogs::kTemplateFileValue, L"\\t\\last.dwt");
  openProject();
  CVoxCfgDrawingNewDlg dialog;
  EXPECT_EQ(field(dialog, L"location").value, temp.path());
  EXPECT_EQ(field(dialog, L"template").value, L"\\t\\last.dwt") << "the template last used";
  for (const wchar_t* id : {L"description-1", L"description-2", L"description-3"}) {
    EXPECT_EQ(field(dialog, id).kind, HcFieldKind::kCombo);
    EXPECT_EQ(field(dialog, id).choices, (std::vector<std::wstring>{L"Main power", L"Motors"})) << "list " << static_cast<char>(id[12]);
  }
  EXPECT_EQ(field(dialog, L"section").choices, std::vector<std::wstring>{L"Power"});
  EXPECT_EQ(field(dialog, L"sub-section").choices, std::vector<std::wstring>{L"Main supply"});
  EXPECT_TRUE(field(dialog, L"sheet").enabled);
  EXPECT_EQ(field(dialog, L"full-path").value, L"") << "no name yet";
  EXPECT_FALSE(okEnabled(dialog));

  ASSERT_TRUE(dialog.setField(L"name", L"A12.old"));
  EXPECT_EQ(field(dialog, L"full-path").value, temp.path(L"A12.old.dwg"));
  EXPECT_TRUE(okEnabled(dialog));
  ASSERT_TRUE(dialog.setField(L"location", L""));
  EXPECT_EQ(field(dialog, L"full-path").value, temp.path(L"A12.old.dwg")) << "an empty location is the project folder";
  ASSERT_TRUE(dialog.setField(L"iec-project", L"ABCDEFGHIJKLMNOPQRS"));
  EXPECT_EQ(field(dialog, L"iec-project").value, L"ABCDEFGHIJKLMNOP") << "16 characters at most";
}

TEST_F(NewDrawingDialog, OkChecksTheFileTheLocationAndTheTemplateFocusingTheFieldToCorrect) {
  openProject();
  CVoxCfgDrawingNewDlg dialog;
  ASSERT_TRUE(dialog.setField(L"template", temp.path(L"missing.dwt")));
  ASSERT_TRUE(dialog.setField(L"name", L"A"));
  HcDialogOutcome outcome = dialog.press(L"ok");
  EXPECT_FALSE(outcome.closed) << "A.dwg exists";
  EXPECT_EQ(outcome.focusField, L"name");
  EXPECT_NE(outcome.message.find(temp.path(L"A.dwg")), std::wstring::npos) << "the message names the drawing";

  ASSERT_TRUE(dialog.setField(L"name", L"A12"));
  ASSERT_TRUE(dialog.setField(L"location", L"Sub"));
  outcome = dialog.press(L"ok");
  EXPECT_FALSE(outcome.closed) << "a relative location";
  EXPECT_EQ(outcome.focusField, L"location");

  ASSERT_TRUE(dialog.setField(L"location", temp.path()));
  outcome = dialog.press(L"ok-properties");
  EXPECT_FALSE(outcome.closed);
  EXPECT_EQ(outcome.focusField, L"template");
  EXPECT_FALSE(storedTemplate()) << "nothing is stored before OK";

  ASSERT_TRUE(dialog.setField(L"template", L"  " + temp.path(L"T.dwt") + L" "));
  outcome = dialog.press(L"ok-properties");
  EXPECT_TRUE(outcome.closed && outcome.result == kHcDialogOk);
  EXPECT_TRUE(dialog.openPropertiesAfterwards());
  EXPECT_EQ(dialog.request().templatePath, temp.path(L"T.dwt"));
  EXPECT_EQ(storedTemplate(), temp.path(L"T.dwt")) << "stored trimmed";
  EXPECT_FALSE(os::fileExists(temp.path(L"A12.dwg"))) << "OK alone creates nothing";
}

TEST_F(NewDrawingDialog, AnEmptyTemplateFieldMeansTheDefaultTemplateInTheHostsTemplateFolder) {
  host().variables().setText(L"TemplatePath", L"\\srv\\templates");
  openProject();
  CVoxCfgDrawingNewDlg dialog;
  ASSERT_TRUE(dialog.setField(L"template", L"   "));
  ASSERT_TRUE(dialog.setField(L"name", L"A12"));
  const HcDialogOutcome outcome = dialog.press(L"ok");
  ASSERT_TRUE(outcome.closed) << "the default template is not looked for before it is copied";
  EXPECT_EQ(dialog.request().templatePath, L"\\srv\\templates\\dftr.dwt");
  EXPECT_FALSE(dialog.openPropertiesAfterwards());
  EXPECT_EQ(storedTemplate(), L"") << "the empty field is kept, so the default follows the host's folder";
}

TEST_F(NewDrawingDialog, ATemplateBlockKeptOnNoChangesOnlyTheFiveDrawingValues) {
  setAttribute(temp.path(L"T.dwt"), L"RUNGDIST", L"2.5");  // the project's default is 0.75
  openProject();
  const std::unique_ptr<CVoxCfgDrawingNewDlg> dialog = acceptedDialog();
  answers.queueAnswer(HcAnswer::kNo);
  VoxPrmFileDetails entry;
  ASSERT_TRUE(dialog->createDrawing(entry));
  ASSERT_EQ(answers.asked().size(), 1u);
  EXPECT_EQ(answers.asked()[0].buttons, HcButtons::kYesNo);

  std::map<std::wstring, std::wstring> expected = settingsBlock(temp.path(L"T.dwt"));
  ASSERT_EQ(expected.at(L"RUNGDIST"), L"2.5");
  for (const auto& [index, value] : {std::pair{51, L"PRJ"}, {52, L"+A1"}, {53, L"-L2"}, {13, L"12"}, {46, L"D12"}})
    expected[tagOf(index)] = value;
  const std::map<std::wstring, std::wstring> created = settingsBlock(temp.path(L"A12.dwg"));
  for (const auto& [tag, value] : expected) EXPECT_EQ(created.count(tag) ? created.at(tag) : L"<none>", value) << tag.size();

  EXPECT_EQ(entry.fileName, temp.path(L"A12.dwg"));
  EXPECT_EQ(entry.descriptions, (std::vector<std::wstring>{L"Main power", L"", L"Pumps"}));
  EXPECT_EQ(entry.section, L"Power");
  EXPECT_EQ(entry.subSection, L"Pumps");
  EXPECT_TRUE(entry.isReference);
  EXPECT_FALSE(os::isReadOnly(temp.path(L"A12.dwg")));

  const std::unique_ptr<VoxDbxBlockRef> db = VoxDbxCreateBlockRef();
  ASSERT_TRUE(db->open(temp.path(L"A12.dwg"), VoxDbxDatabase::kOpenForRead, false));
  VoxDbxSummaryInfo info;
  ASSERT_TRUE(db->getSummaryInfo(info));
  std::vector<std::wstring> titles;
  for (const VoxDbxCustomProperty& property : info.customProperties) titles.push_back(property.value);
  EXPECT_EQ(titles, (std::vector<std::wstring>{L"Main power", L"", L"Pumps", L"PRJ", L"+A1", L"-L2", L"12", L"D12",
                                               L"Power", L"Pumps"}));
}

TEST_F(NewDrawingDialog, ATemplateBlockReplacedOnYesTakesTheProjectsDefaults) {
  setAttribute(temp.path(L"T.dwt"), L"RUNGDIST", L"2.5");
  openProject();
  const std::unique_ptr<CVoxCfgDrawingNewDlg> dialog = acceptedDialog();
  answers.queueAnswer(HcAnswer::kYes);
  VoxPrmFileDetails entry;
  ASSERT_TRUE(dialog->createDrawing(entry));
  const std::map<std::wstring, std::wstring> created = settingsBlock(temp.path(L"A12.dwg"));
  EXPECT_EQ(created.at(L"RUNGDIST"), L"0.75");
  EXPECT_EQ(created.at(tagOf(13)), L"12") << "the sheet still comes from the dialog";
}

TEST_F(NewDrawingDialog, ATemplateThatCannotBeCopiedIsReportedWithTheSystemsReason) {
  openProject();
  const std::unique_ptr<CVoxCfgDrawingNewDlg> dialog = acceptedDialog();
  fs::remove(temp.native("T.dwt"));
  VoxPrmFileDetails entry;
  EXPECT_FALSE(dialog->createDrawing(entry));
  ASSERT_EQ(answers.asked().size(), 1u);
  const std::wstring& text = answers.asked()[0].text;
  EXPECT_NE(text.find(temp.path(L"T.dwt")), std::wstring::npos) << "names the template";
  EXPECT_NE(text.find(temp.path(L"A12.dwg")), std::wstring::npos) << "names the new drawing";
  EXPECT_NE(text.find(os::osError(ENOENT).message), std::wstring::npos) << "gives the system's text";
  EXPECT_TRUE(entry.fileName.empty());
}

}  // namespace
}  // namespace vox::test
