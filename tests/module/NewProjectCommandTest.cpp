// The "VoxNewProject" command: the new project opened as active, the dialog shown again while
// the file cannot be written, the same-name question (No opens nothing, Yes replaces the open
// project), and the project properties run after OK-and-properties.

#include <gtest/gtest.h>

#include <filesystem>

#include "ModuleFixture.h"
#include "ScriptedDialogUi.h"
#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectManager.h"
#include "dialogs/CVoxCfgProjNewDlg.h"
#include "module/NewProjectCommand.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;

class NewProjectCommand : public ModuleFixture {
 protected:
  void SetUp() override {
    dialogs::CVoxCfgProjNewDlg::setCreateFolderChoice(true);
    loadDocument(L"D.dwg");
    type(L"nil");  // the start-up re-opening of the last projects is over
  }
  static VoxPrmProjectManager& manager() { return *GetProjectManager(); }
  std::wstring activeID() const {
    std::wstring id;
    manager().getActiveProjectID(id);
    return id;
  }
  // Answers the new-project dialog: name and native folder, then `button`; later dialogs
  // (the project properties) are cancelled.
  void answerWith(std::vector<std::pair<std::string, std::string>> runs, const std::wstring& button = L"ok") {
    ui.answer = [this, runs, button](HcDialogController& dialog) {
      if (dialog.name() != L"new-project" || runNumber >= runs.size()) return kHcDialogCancel;
      const auto& [name, folder] = runs[runNumber++];
      dialog.setField(L"name", std::wstring(name.begin(), name.end()));
      const std::string native = temp.native(folder);
      dialog.setField(L"location", std::wstring(native.begin(), native.end()));
      return pressed(dialog, button);
    };
  }
  std::wstring openProject(const std::string& relative) {
    fs::create_directories(temp.native(relative).substr(0, temp.native(relative).rfind('/')));
    writeNative(temp.native(relative), "*[1]Existing\r\n");
    std::wstring id = temp.path(std::wstring(relative.begin(), relative.end()));
    for (wchar_t& c : id) c = c == L'/' ? L'\\' : c;
    EXPECT_TRUE(manager().openProject(id.c_str(), true, false));
    return id;
  }

  ScriptedDialogUi ui;
  std::size_t runNumber = 0;
};

TEST_F(NewProjectCommand, TheNewProjectIsWrittenAndOpenedAsActive) {
  answerWith({{"Plant", "New"}});
  EXPECT_TRUE(module::runNewProject());
  EXPECT_EQ(activeID(), temp.path(L"New\\Plant\\Plant.wdp"));
  EXPECT_EQ(ui.names, std::vector<std::wstring>{L"new-project"}) << "no properties without asking";
}

TEST_F(NewProjectCommand, CancelEndsTheCommandWithNothingWritten) {
  EXPECT_FALSE(module::runNewProject());
  EXPECT_EQ(ui.names, std::vector<std::wstring>{L"new-project"});
  EXPECT_EQ(manager().getProjectCount(), 0);
}

TEST_F(NewProjectCommand, TheDialogIsShownAgainWhileTheFileCannotBeWritten) {
  writeNative(temp.native("blocked"), "a file where a folder should be");
  answerWith({{"Plant", "blocked/sub"}, {"Plant", "Good"}});
  answers.queueAnswer(HcAnswer::kOk);  // the filer's message about the first attempt
  EXPECT_TRUE(module::runNewProject());
  EXPECT_EQ(ui.names, (std::vector<std::wstring>{L"new-project", L"new-project"}));
  EXPECT_EQ(activeID(), temp.path(L"Good\\Plant\\Plant.wdp"));
}

TEST_F(NewProjectCommand, ANameClashAnsweredNoOpensNothing) {
  const std::wstring existing = openProject("Old/Plant/Plant.wdp");
  answerWith({{"Plant", "New"}});
  answers.queueAnswer(HcAnswer::kNo);
  EXPECT_FALSE(module::runNewProject());
  ASSERT_FALSE(answers.asked().empty());
  EXPECT_EQ(answers.asked().back().buttons, HcButtons::kYesNo) << "expected the same-name question";
  EXPECT_EQ(manager().getProjectCount(), 1) << "expected only the old project open";
  EXPECT_EQ(activeID(), existing);
  EXPECT_TRUE(fs::exists(temp.native("New/Plant/Plant.wdp"))) << "the file is written before the question";
}

TEST_F(NewProjectCommand, ANameClashAnsweredYesReplacesTheOpenProject) {
  openProject("Old/Plant/Plant.wdp");
  answerWith({{"Plant", "New"}});
  answers.queueAnswer(HcAnswer::kYes);
  EXPECT_TRUE(module::runNewProject());
  EXPECT_EQ(manager().getProjectCount(), 1);
  EXPECT_EQ(activeID(), temp.path(L"New\\Plant\\Plant.wdp"));
}

TEST_F(NewProjectCommand, OkAndPropertiesRunsTheProjectPropertiesOfTheNewProject) {
  answerWith({{"Plant", "New"}}, L"ok-properties");
  EXPECT_TRUE(module::runNewProject());
  EXPECT_EQ(ui.names, (std::vector<std::wstring>{L"new-project", L"project-properties"}));
}

TEST_F(NewProjectCommand, TheCommandRunsTheDialogInsteadOfSayingItIsMissing) {
  answerWith({{"Plant", "New"}});
  const std::wstring printed = type(L"VoxNewProject");
  EXPECT_EQ(printed.find(L"not available"), std::wstring::npos) << testing::PrintToString(printed);
  EXPECT_EQ(activeID(), temp.path(L"New\\Plant\\Plant.wdp"));
}

}  // namespace
}  // namespace vox::test
