// The new-project dialog on a headless host: its starting values, the full path following each
// change, OK's checks in order with the field they focus, what it stores, the description-line
// editor, and the project file it writes (drawings dropped, settings of the source kept).

#include <gtest/gtest.h>

#include <filesystem>

#include "core/ManagerTestSupport.h"
#include "dialogs/CVoxCfgProjNewDlg.h"
#include "dialogs/NewProjectFile.h"
#include "host/HcHostServices.h"
#include "host/LispCoreDescriptionCalls.h"
#include "platform/lisp/LispReader.h"
#include "platform/lispcore/SettingsKeys.h"
#include "projectfile/VoxPrmWDPFiler.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;
using dialogs::CVoxCfgProjNewDlg;

constexpr const wchar_t* kSettingsFile = L"SettingsFile";

class NewProjectDialog : public ManagerFixture {
 protected:
  void SetUp() override {
    CVoxCfgProjNewDlg::setCreateFolderChoice(true);
    settings().setString(lispcore::kEnvironmentKey, L"WD_PROJ", native(L"projects"));
  }
  void TearDown() override { CVoxCfgProjNewDlg::setCreateFolderChoice(true); }

  // A file of the temporary folder in the native form a user types ("/tmp/.../x").
  std::wstring native(const std::wstring& name) const {
    return std::wstring(temp.native().begin(), temp.native().end()) + L"/" + name;
  }
  static std::wstring value(const HcDialogController& dialog, const std::wstring& id) {
    for (const HcDialogField& field : dialog.fields())
      if (field.id == id) return field.value;
    return L"<no field " + id + L">";
  }
  static bool enabled(const HcDialogController& dialog, const std::wstring& button) {
    for (const HcDialogButton& b : dialog.buttons())
      if (b.id == button) return b.enabled;
    return false;
  }
  std::optional<std::wstring> stored() { return settings().getString(CVoxCfgProjNewDlg::settingsKey(), kSettingsFile); }
  // The sample project, with its drawings, copied into the temporary folder; its path.
  std::wstring sampleProject() {
    fs::copy(fs::path(VOX_SOURCE_DIR) / "samples" / "Demo", temp.native("Demo"), fs::copy_options::recursive);
    return temp.path(L"Demo\\DEMO.wdp");
  }
  static VoxPrmProjectData readProject(const std::wstring& path) {
    VoxPrmProjectData data;
    VoxPrmWDPFiler filer;
    EXPECT_TRUE(filer.openProject(path, true, false)) << "expected a project file at " << testing::PrintToString(path);
    EXPECT_TRUE(filer.readProject(data));
    filer.closeProject();
    return data;
  }
};

TEST_F(NewProjectDialog, StartsInTheProjectsFolderWithTheStoredSettingsSourceElseTheActiveProject) {
  {
    CVoxCfgProjNewDlg dialog;
    EXPECT_EQ(value(dialog, L"location"), temp.path(L"projects")) << "expected WD_PROJ with backslashes";
    EXPECT_EQ(value(dialog, L"settings-file"), L"") << "nothing stored and no active project";
    EXPECT_EQ(value(dialog, L"create-folder"), L"1");
    EXPECT_EQ(value(dialog, L"full-path"), temp.path(L"projects\\"));
  }
  const std::wstring active = project("A/Active.wdp");
  ASSERT_TRUE(manager.openProject(active.c_str(), true, false));
  EXPECT_EQ(value(CVoxCfgProjNewDlg(), L"settings-file"), active);
  settings().setString(CVoxCfgProjNewDlg::settingsKey(), kSettingsFile, L"\\x\\Last.wdp");
  EXPECT_EQ(value(CVoxCfgProjNewDlg(), L"settings-file"), L"\\x\\Last.wdp") << "the stored source wins";
  EXPECT_EQ(CVoxCfgProjNewDlg::settingsKey(), hcrxProductKey() + L"\\Settings\\ProjNewDlg");
}

TEST_F(NewProjectDialog, TheFullPathFollowsEveryChangeAndOkNeedsAName) {
  CVoxCfgProjNewDlg dialog;
  int notified = 0;
  dialog.setChangeListener([&] { ++notified; });
  ASSERT_TRUE(dialog.setField(L"location", L""));
  EXPECT_EQ(value(dialog, L"full-path"), L"") << "name and location empty";
  EXPECT_FALSE(enabled(dialog, L"ok"));
  EXPECT_FALSE(enabled(dialog, L"ok-properties"));
  EXPECT_EQ(dialog.press(L"ok").closed, false) << "OK without a name closes nothing";

  ASSERT_TRUE(dialog.setField(L"name", L"Plant.txt"));
  EXPECT_EQ(value(dialog, L"full-path"), temp.path(L"projects\\Plant\\Plant.wdp")) << "empty location: WD_PROJ";
  EXPECT_TRUE(enabled(dialog, L"ok"));
  EXPECT_TRUE(enabled(dialog, L"ok-properties"));
  ASSERT_TRUE(dialog.setField(L"location", L"C:\\P"));
  EXPECT_EQ(value(dialog, L"full-path"), L"C:\\P\\Plant\\Plant.wdp");
  ASSERT_TRUE(dialog.setField(L"create-folder", L"0"));
  EXPECT_EQ(value(dialog, L"full-path"), L"C:\\P\\Plant.wdp");
  for (const HcDialogField& field : dialog.fields()) {
    if (field.id == L"full-path" || field.id == L"location") {
      EXPECT_EQ(field.tooltip, field.value) << "whole text";
    }
  }
  EXPECT_FALSE(dialog.setField(L"full-path", L"C:\\x.wdp")) << "the full path is read-only";
  EXPECT_FALSE(dialog.setField(L"create-folder", L"yes"));
  EXPECT_EQ(notified, 0) << "changes the user made need no notice";

  EXPECT_EQ(value(CVoxCfgProjNewDlg(), L"create-folder"), L"0") << "the choice is kept for the next dialog";
  EXPECT_EQ(CVoxCfgProjNewDlg::createFolderChoice(), false);
  EXPECT_FALSE(settings().valueNames(CVoxCfgProjNewDlg::settingsKey()).size() > 0) << "the choice is not stored";
}

TEST_F(NewProjectDialog, OkRefusesInOrderWithTheOffendingFieldFocusedAndStoresNothing) {
  writeNative(temp.native("Taken.wdp"), "*[1]x\r\n");
  CVoxCfgProjNewDlg dialog;
  dialog.setField(L"create-folder", L"0");
  dialog.setField(L"location", native(L""));
  dialog.setField(L"name", L"Taken");
  dialog.setField(L"settings-file", temp.path(L"missing.wdp"));
  HcDialogOutcome outcome = dialog.press(L"ok");
  EXPECT_FALSE(outcome.closed);
  EXPECT_EQ(outcome.focusField, L"name") << "an existing file is told first";
  EXPECT_NE(outcome.message.find(temp.path(L"Taken.wdp")), std::wstring::npos) << testing::PrintToString(outcome.message);

  dialog.setField(L"name", L"New");
  dialog.setField(L"location", L"relative\\folder");
  outcome = dialog.press(L"ok-properties");
  EXPECT_FALSE(outcome.closed);
  EXPECT_EQ(outcome.focusField, L"location") << "a path that is not full";
  EXPECT_NE(outcome.message.find(L"relative\\folder"), std::wstring::npos) << "formatted with the location";

  dialog.setField(L"location", native(L"new"));
  outcome = dialog.press(L"ok");
  EXPECT_FALSE(outcome.closed);
  EXPECT_EQ(outcome.focusField, L"settings-file") << "a settings source that is not there";
  EXPECT_NE(outcome.message.find(temp.path(L"missing.wdp")), std::wstring::npos);

  dialog.setField(L"name", L"a:b");
  EXPECT_EQ(dialog.press(L"ok").focusField, L"name") << "a name that cannot be a file name";
  EXPECT_FALSE(stored().has_value()) << "a refused OK stores nothing";
  EXPECT_FALSE(dialog.openPropertiesAfter());
}

TEST_F(NewProjectDialog, OkStoresTheTrimmedSettingsSourceAndTellsWhetherPropertiesFollow) {
  const std::wstring source = project("S/Source.wdp");
  CVoxCfgProjNewDlg dialog;
  dialog.setField(L"name", L"Plant");
  dialog.setField(L"settings-file", L"  " + source + L"  ");
  const HcDialogOutcome outcome = dialog.press(L"ok-properties");
  ASSERT_TRUE(outcome.closed) << testing::PrintToString(outcome.message);
  EXPECT_EQ(outcome.result, kHcDialogOk);
  EXPECT_TRUE(dialog.openPropertiesAfter());
  EXPECT_EQ(dialog.fullPath(), temp.path(L"projects\\Plant\\Plant.wdp"));
  EXPECT_EQ(stored(), source) << "stored without the blanks";

  CVoxCfgProjNewDlg again;
  again.setField(L"name", L"Other");
  again.setField(L"settings-file", L"   ");
  ASSERT_TRUE(again.press(L"ok").closed) << "blanks are no source to look for";
  EXPECT_FALSE(again.openPropertiesAfter());
  EXPECT_EQ(stored(), L"");
  EXPECT_EQ(again.press(L"cancel").result, kHcDialogCancel);
}

TEST_F(NewProjectDialog, BrowsingReplacesTheLocationAndTheSettingsSource) {
  CVoxCfgProjNewDlg dialog;
  dialog.setField(L"name", L"Plant");
  answers.queueReply(native(L"chosen"));
  ASSERT_TRUE(dialog.browse(L"location"));
  EXPECT_EQ(value(dialog, L"location"), temp.path(L"chosen"));
  EXPECT_EQ(value(dialog, L"full-path"), temp.path(L"chosen\\Plant\\Plant.wdp"));
  answers.queueReply(std::nullopt);
  ASSERT_TRUE(dialog.browse(L"settings-file"));
  EXPECT_EQ(value(dialog, L"settings-file"), L"") << "a cancelled chooser changes nothing";
  answers.queueReply(native(L"S.wdp"));
  dialog.browse(L"settings-file");
  EXPECT_EQ(value(dialog, L"settings-file"), temp.path(L"S.wdp"));
  ASSERT_EQ(answers.asked().size(), 3u);
  EXPECT_EQ(answers.asked()[0].kind, interaction::QuestionKind::kChooseFolder);
  EXPECT_EQ(answers.asked()[0].caption, temp.path(L"projects")) << "the folder chooser starts at the location";
  EXPECT_EQ(answers.asked()[1].kind, interaction::QuestionKind::kChooseFile);
  EXPECT_FALSE(dialog.browse(L"name"));
}

TEST_F(NewProjectDialog, TheDescriptionEditorGetsTheLinesAndGreysTheDialogWhileItRuns) {
  CVoxCfgProjNewDlg dialog;
  dialog.setField(L"name", L"Plant");
  std::wstring seen;
  bool greyedMeanwhile = false;
  lisp().defineBuiltin(L"c:vox_proj_edit_proj_description_lines",
                       [&](const std::vector<lisp::Value>& args, std::wstring&) {
                         seen = lisp::print(lisp::Value::ofList(args));
                         greyedMeanwhile = !dialog.fields().front().enabled && !dialog.buttons().front().enabled &&
                                           !dialog.setField(L"name", L"x");
                         return lisp::readAll(L"(\"Line 1\" \"Line 2\" (\"1\" \"0\"))").values.at(0);
                       });
  EXPECT_EQ(dialog.press(L"descriptions").focusField, L"descriptions");
  EXPECT_EQ(seen, L"(0 nil nil \"\")") << "no lines and no flags yet";
  EXPECT_TRUE(greyedMeanwhile) << "expected every field and button greyed while the editor runs";
  EXPECT_EQ(dialog.descriptionLines(), (std::vector<std::wstring>{L"Line 1", L"Line 2"}));
  EXPECT_EQ(dialog.descriptionFlags(), L"1,0");
  EXPECT_EQ(value(dialog, L"description-lines"), L"Line 1\nLine 2");
  EXPECT_TRUE(dialog.fields().front().enabled) << "enabled again afterwards";
  dialog.press(L"descriptions");
  EXPECT_EQ(seen, L"(0 nil (\"Line 1\" \"Line 2\") \"1,0\")");
}

TEST_F(NewProjectDialog, TheStandInEditorAnswersTheLinesAndFlagsItWasGiven) {
  namespace lc = host::lispcore;
  EXPECT_EQ(lc::editNewProjectDescriptions({L"A", L"B"}, L"1,0"), (lc::DescriptionEdit{{L"A", L"B"}, L"1,0"}));
  EXPECT_EQ(lc::editNewProjectDescriptions({L"A"}, L""), (lc::DescriptionEdit{{L"A"}, L""}));
}

TEST_F(NewProjectDialog, ANewProjectTakesTheSourcesSettingsButNoneOfItsDrawings) {
  const std::wstring source = sampleProject();
  const VoxPrmProjectData original = readProject(source);
  ASSERT_FALSE(original.getProjFileDetails().empty()) << "the sample lists drawings";
  CVoxCfgProjNewDlg dialog;
  dialog.setField(L"name", L"Plant");
  dialog.setField(L"location", native(L"deep/er"));
  dialog.setField(L"settings-file", source);
  ASSERT_TRUE(dialog.press(L"ok").closed);
  ASSERT_TRUE(dialog.createProjectFile());

  const VoxPrmProjectData created = readProject(temp.path(L"deep\\er\\Plant\\Plant.wdp"));
  EXPECT_TRUE(created.getProjFileDetails().empty()) << "expected no drawings";
  EXPECT_TRUE(created.getProjDescriptions().empty()) << "the dialog's (no) descriptions replace the source's";
  EXPECT_TRUE(created.getProjDefWDMVals() == original.getProjDefWDMVals()) << "expected the default drawing values";
  VoxPrmMiscProjSettings expected = original.getMiscProjSettings();
  const std::wstring noFlags;
  expected.setValue(dialogs::kDescriptionFlagsIndex, &noFlags);
  EXPECT_TRUE(created.getMiscProjSettings() == expected) << "expected all misc settings, 9 = the flags";
  EXPECT_TRUE(readProject(source) == original) << "the source is left as it was";
}

TEST_F(NewProjectDialog, WithoutASourceTheFileHoldsOnlyTheDescriptionsAndDefaultSettings) {
  const VoxPrmProjectData data = dialogs::newProjectData({L"", {L"North", L"Line 2"}, L"1,0"});
  VoxPrmProjectData expected;
  expected.setProjDescriptions({L"North", L"Line 2"});
  VoxPrmMiscProjSettings misc;
  const std::wstring flags = L"1,0";
  misc.setValue(dialogs::kDescriptionFlagsIndex, &flags);
  expected.setMiscProjSettings(misc);
  EXPECT_TRUE(data == expected);

  CVoxCfgProjNewDlg dialog;
  dialog.setField(L"name", L"Bare");
  ASSERT_TRUE(dialog.press(L"ok").closed);
  ASSERT_TRUE(dialog.createProjectFile());
  const VoxPrmProjectData created = readProject(temp.path(L"projects\\Bare\\Bare.wdp"));
  EXPECT_TRUE(created.getProjFileDetails().empty());
  VoxPrmMiscProjSettings onlyFlags;
  const std::wstring noFlags;
  onlyFlags.setValue(dialogs::kDescriptionFlagsIndex, &noFlags);
  EXPECT_TRUE(created.getMiscProjSettings() == onlyFlags) << "no misc setting but the (empty) flags";
}

TEST_F(NewProjectDialog, WithoutAStoredSourceTheActiveProjectsFileGivesTheSettings) {
  const std::wstring active = project("A/Active.wdp", "*[1]Active\r\n+[10]1\r\nA.dwg\r\n");
  ASSERT_TRUE(manager.openProject(active.c_str(), true, false));
  CVoxCfgProjNewDlg dialog;
  dialog.setField(L"name", L"FromActive");
  dialog.setField(L"settings-file", L"");
  ASSERT_TRUE(dialog.press(L"ok").closed);
  ASSERT_TRUE(dialog.createProjectFile());
  const VoxPrmProjectData created = readProject(temp.path(L"projects\\FromActive\\FromActive.wdp"));
  int iec = 0;
  EXPECT_EQ(created.getMiscProjSettings().getValue(10, iec), VoxPrmMiscProjSettings::kOk);
  EXPECT_EQ(iec, 1);
  EXPECT_TRUE(created.getProjFileDetails().empty());
}

TEST_F(NewProjectDialog, AFolderThatCannotBeMadeFailsTheWriteAndSaysSo) {
  writeNative(temp.native("file"), "not a folder");
  CVoxCfgProjNewDlg dialog;
  dialog.setField(L"name", L"Plant");
  dialog.setField(L"location", native(L"file/sub"));
  ASSERT_TRUE(dialog.press(L"ok").closed);
  EXPECT_FALSE(dialog.createProjectFile());
  EXPECT_FALSE(fs::exists(temp.native("file/sub/Plant/Plant.wdp")));
  ASSERT_FALSE(answers.asked().empty()) << "expected the filer to tell why the file cannot be written";
  EXPECT_EQ(answers.asked().back().kind, interaction::QuestionKind::kMessageBox);
  EXPECT_FALSE(dialogs::createFolderChain(temp.path(L"file\\sub")));
  EXPECT_TRUE(dialogs::createFolderChain(temp.path(L"a\\b\\c")));
  EXPECT_TRUE(fs::is_directory(temp.native("a/b/c")));
}

}  // namespace
}  // namespace vox::test
