// The new-drawing command on a copy of the sample project: the script it writes and what it
// refuses to write, the whole first half through the host's script run to the second half
// adding the entry, and what is left behind when the dialog is cancelled.

#include <gtest/gtest.h>

#include <filesystem>

#include "ModuleFixture.h"
#include "ScriptedDialogUi.h"
#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/LispCoreFunctions.h"
#include "module/CVoxFolioApp.h"
#include "module/NewDrawingCommand.h"
#include "module/NewDrawingScript.h"
#include "platform/os/Files.h"
#include "platform/siblings/SiblingStandIns.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;

TEST(NewDrawingScript, OpensTheQuotedPathAndThenContinuesTheCommand) {
  EXPECT_EQ(module::newDrawingScriptText(L"C:\\P\\A 12.dwg"),
            L"_.open\n\"C:\\P\\A 12.dwg\"\n_voxcontinuenewdrawing\n");
  EXPECT_EQ(module::newDrawingScriptPath(L"C:\\Users\\me"), L"C:\\Users\\me\\_SCRTMP1.SCR");
  EXPECT_EQ(module::newDrawingScriptPath(L"C:/Users/me/"), L"C:\\Users\\me\\_SCRTMP1.SCR");
}

TEST(NewDrawingScript, APathThatCouldInjectScriptLinesIsRefused) {
  for (const wchar_t* path : {L"C:\\P\\A\".dwg", L"C:\\P\\A\n_erase\n.dwg", L"C:\\P\\A\r.dwg", L"C:\\P\\A\t.dwg",
                              L"C:\\P\\A\x1b.dwg"})
    EXPECT_FALSE(module::newDrawingScriptText(path)) << "a path of " << std::wstring(path).size() << " characters";
}

class NewDrawingCommand : public ModuleFixture {
 protected:
  NewDrawingCommand() {
    fs::copy(fs::path(VOX_SOURCE_DIR) / "samples" / "Demo", temp.native("Demo"), fs::copy_options::recursive);
    EXPECT_TRUE(GetProjectManager()->openProject(demo().c_str(), true, false));
    host().documents().appContextOpenDocument(temp.path(L"Demo\\DEMO001.dwg"), false);
    voxFolioApp().On_kLoadDwgMsg(nullptr);
  }
  std::wstring demo() const { return temp.path(L"Demo\\DEMO.wdp"); }
  std::wstring newDrawing() const { return temp.path(L"Demo\\DEMO010.dwg"); }

  // Answers the dialog with the fields and OK.
  void answerDialog(std::vector<std::pair<std::wstring, std::wstring>> values) {
    ui.answer = [values](HcDialogController& dialog) {
      for (const auto& [id, value] : values) EXPECT_TRUE(dialog.setField(id, value)) << "field " << id.size();
      return pressed(dialog, L"ok");
    };
  }
  bool locked(const std::wstring& path) { return siblings()->utils().locks().holds(path); }
  bool called(const wchar_t* name) {
    for (const auto& call : lispCore()->calls())
      if (call.name == name) return true;
    return false;
  }

  ScriptedDialogUi ui;
};

TEST_F(NewDrawingCommand, TheDrawingIsCreatedOpenedByTheScriptAndAddedToTheProject) {
  answerDialog({{L"name", L"DEMO010"}, {L"template", temp.path(L"Demo\\DEMO.dwt")}, {L"description-1", L"Pumps"},
                {L"section", L"Power"}, {L"sub-section", L"Pumps"}});
  answers.queueAnswer(HcAnswer::kNo);  // keep the template's settings block
  const std::wstring out = type(L"VoxNewDrawing");
  EXPECT_EQ(ui.names, std::vector<std::wstring>{L"new-drawing"});
  ASSERT_TRUE(os::fileExists(newDrawing())) << out;

  const std::optional<std::wstring> userFolder = host::lispcore::globalText(L"GBL_wd_usr");
  ASSERT_TRUE(userFolder);
  std::string script;
  ASSERT_TRUE(os::readFile(module::newDrawingScriptPath(*userFolder), script));
  const std::wstring path = newDrawing();
  EXPECT_EQ(script, "_.open\n\"" + std::string(path.begin(), path.end()) + "\"\n_voxcontinuenewdrawing\n");

  const HcDocument* current = host().documents().curDocument();
  ASSERT_NE(current, nullptr);
  EXPECT_EQ(current->fileName(), newDrawing()) << "the script opened the drawing:\n" << out;
  std::vector<VoxPrmFileDetails> found;
  ASSERT_TRUE(GetProjectManager()->getProject(demo().c_str())->getDetailsForFiles({newDrawing()}, found)) << out;
  EXPECT_EQ(found.front().section, L"Power");
  EXPECT_EQ(found.front().descriptions.front(), L"Pumps");
  std::string projectFile;
  ASSERT_TRUE(os::readFile(demo(), projectFile));
  EXPECT_NE(projectFile.find("=Power\r\n==Pumps\r\n===Pumps\r\n===\r\n===\r\nDEMO010.dwg\r\n"), std::string::npos)
      << projectFile;

  EXPECT_TRUE(called(L"c:vox_tb_nodlg")) << "the title block update";
  EXPECT_FALSE(locked(demo())) << "the project is still locked";
  EXPECT_FALSE(locked(newDrawing())) << "the drawing is still locked";
  EXPECT_FALSE(module::newDrawingState().continuePending);
  EXPECT_TRUE(module::newDrawingState().pendingDetails.fileName.empty()) << "the pending entry is cleared";
}

TEST_F(NewDrawingCommand, CancelReleasesTheProjectAndLeavesNothingPending) {
  ui.answer = [](HcDialogController& dialog) { return pressed(dialog, L"cancel"); };
  type(L"VoxNewDrawing");
  EXPECT_EQ(ui.names.size(), 1u);
  EXPECT_FALSE(locked(demo()));
  EXPECT_FALSE(module::newDrawingState().continuePending);
  EXPECT_FALSE(called(L"c:vox_tb_nodlg"));
  type(L"VoxContinueNewDrawing");
  EXPECT_EQ(GetProjectManager()->getProject(demo().c_str())->getProjFileDetails().size(), 5u) << "nothing added";
}

}  // namespace
}  // namespace vox::test
