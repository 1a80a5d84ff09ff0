// The tree's context menus as a user meets them, and the commands behind them: a UI host that
// records the menu it was shown and answers with a command, real project and drawing files.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "TreeFixture.h"
#include "core/ModuleObjects.h"
#include "host/HcHostRuntime.h"
#include "host/HcUiHost.h"

namespace vox::test {
namespace {

class MenuUi : public HcUiHost {
 public:
  void showPaletteSet(HcPaletteSetController&, bool) override {}
  void placePaletteSet(HcPaletteSetController&, HcDockSide) override {}
  void paletteSetDestroyed(HcPaletteSetController&) override {}
  std::optional<unsigned> popupMenu(const HcMenu& menu, HcPoint) override {
    shown.push_back(menu);
    if (whileShown) whileShown();
    return answer;
  }
  int runDialog(HcDialogController&) override { return kHcDialogCancel; }
  unsigned doubleClickMs() const override { return 500; }
  bool textFits(const std::wstring&, int) const override { return true; }

  std::vector<HcMenu> shown;
  std::optional<unsigned> answer;
  std::function<void()> whileShown;
};

class TreeCommands : public TreeFixture {
 protected:
  void SetUp() override {
    HcHostRuntime runtime = hcHostRuntime();
    runtime.ui = &ui;
    hcInstallHostRuntime(runtime);
    host().documents().setSendObserver([this](const HcDocument&, const std::wstring& text) { sent.push_back(text); });
    makeTree();
    projectP = openProject("P", {"A.dwg", "B.dwg", "C.dwg"}, true);
    projectQ = openProject("Q", {"D.dwg"}, false);
    tree->setExpanded(project("P"), true);
    tree->setExpanded(project("Q"), true);
  }
  void TearDown() override {
    HcHostRuntime runtime = hcHostRuntime();
    runtime.ui = nullptr;
    hcInstallHostRuntime(runtime);
  }
  // A right click on a node (0: empty space) answered with `command` (none: nothing chosen).
  const HcMenu& menuOn(HcNodeId id, std::optional<unsigned> command = std::nullopt) {
    ui.answer = command;
    tree->rightClick(id, {5, 5});
    EXPECT_FALSE(ui.shown.empty()) << "no menu was shown";
    static const HcMenu kNone;
    return ui.shown.empty() ? kNone : ui.shown.back();
  }
  static bool choosable(const HcMenu& menu, unsigned command) { return hcMenuCommandChoosable(menu.entries, command); }
  std::string projectText(const std::string& name) {
    std::string bytes;
    os::readFile(temp.path(std::wstring(name.begin(), name.end()) + L"\\" + std::wstring(name.begin(), name.end()) + L".wdp"), bytes);
    return bytes;
  }
  // What was queued to the documents so far, once the application context has run.
  std::vector<std::wstring> queued() {
    host().loop().runPending();
    return sent;
  }

  MenuUi ui;
  std::vector<std::wstring> sent;
  std::wstring projectP;
  std::wstring projectQ;
};

TEST_F(TreeCommands, ARightClickInsideAMultiSelectionKeepsItAndGreysSingleDrawingCommands) {
  openDrawing(L"Other.dwg");  // a host document, so the drawing commands are offered
  tree->click(drawing("P", "A.dwg"), HcHitPart::kLabel, kHcNoModifier);
  tree->click(drawing("P", "B.dwg"), HcHitPart::kLabel, kHcShift);
  const HcMenu& menu = menuOn(drawing("P", "B.dwg"));
  EXPECT_EQ(menu.name, L"drawing");
  EXPECT_EQ(tree->GetSelectedCount(), 2);
  for (const unsigned greyed : {207u, 226u, 227u}) EXPECT_FALSE(choosable(menu, greyed)) << greyed;
  EXPECT_TRUE(choosable(menu, 225)) << "removing several is fine";
  EXPECT_FALSE(choosable(menu, 248)) << "nothing copied yet";
}

TEST_F(TreeCommands, TheMenuHoldsTheProjectLockOnlyWhileItIsShown) {
  openDrawing(L"Other.dwg");
  bool lockedWhileShown = false;
  ui.whileShown = [&] { lockedWhileShown = manager.isProjectFileLocked(projectP.c_str()); };
  const HcMenu& menu = menuOn(project("P"));
  EXPECT_EQ(menu.name, L"active-project");
  EXPECT_TRUE(lockedWhileShown);
  EXPECT_FALSE(manager.isProjectFileLocked(projectP.c_str()));
  EXPECT_TRUE(choosable(menu, 203)) << "locked by me while shown";
  EXPECT_EQ(menuOn(project("Q")).name, L"project");
  EXPECT_EQ(menuOn(0).name, L"empty");
}

TEST_F(TreeCommands, WithoutAHostDocumentEmptySpaceShowsNothingAndThePropertiesSubMenuIsGreyed) {
  ui.answer = std::nullopt;
  tree->rightClick(0, {1, 1});
  EXPECT_TRUE(ui.shown.empty()) << "no node and no document: no menu";
  const HcMenu& menu = menuOn(drawing("P", "A.dwg"));
  EXPECT_FALSE(choosable(menu, 245));
  EXPECT_FALSE(choosable(menu, 249));
}

TEST_F(TreeCommands, RemovingADrawingRewritesTheProjectAndMovesTheCaretToTheNextSibling) {
  openDrawing(L"Other.dwg");
  tree->click(drawing("P", "B.dwg"), HcHitPart::kLabel, kHcNoModifier);
  menuOn(drawing("P", "B.dwg"), 225);
  EXPECT_EQ(projectText("P").find("B.dwg"), std::string::npos) << projectText("P");
  EXPECT_EQ(selection("P"), L"P A.dwg [^C.dwg]") << "shown at once, the caret on the next sibling";
  EXPECT_EQ(siblings()->log().count(L"LispCheckFileLockStatusAndLock"), siblings()->log().count(L"LispUpdUnlockFiles"));
  tree->click(drawing("P", "C.dwg"), HcHitPart::kLabel, kHcNoModifier);
  menuOn(drawing("P", "C.dwg"), 225);
  EXPECT_EQ(selection("P"), L"P [^A.dwg]") << "no next sibling: the previous one";
}

TEST_F(TreeCommands, ClosingTheActiveProjectMakesTheNextOneActiveButTheLastOneStays) {
  openDrawing(L"Other.dwg");
  menuOn(project("P"), 209);
  EXPECT_EQ(rootTexts(), std::vector<std::wstring>{L"Q*"});
  menuOn(project("Q"), 209);
  EXPECT_EQ(rootTexts(), std::vector<std::wstring>{L"Q*"}) << "the last root is not closed";
}

TEST_F(TreeCommands, CommandsHandedToTheCommandLineAreQueuedWithACarriageReturn) {
  openDrawing(L"Other.dwg");
  menuOn(project("P"), 210);
  menuOn(project("P"), 238);
  menuOn(0, 251);
  tree->click(drawing("P", "A.dwg"), HcHitPart::kLabel, kHcNoModifier);
  menuOn(drawing("P", "A.dwg"), 245);
  EXPECT_EQ(core::moduleObjects().navigation->pendingDrawing, drawingPath("P", "A.dwg"));
  EXPECT_EQ(core::moduleObjects().navigation->pendingProject, projectP);
  EXPECT_EQ(queued(), (std::vector<std::wstring>{L"(c:wd_tb)\r", L"(c:vox_prnt_proj nil nil)\r", L"_.voxnewproject\r",
                                                 L"_.voxdrawingprops\r"}));
}

TEST_F(TreeCommands, CopiedPropertiesEnablePaste) {
  openDrawing(L"Other.dwg");
  tree->click(drawing("P", "A.dwg"), HcHitPart::kLabel, kHcNoModifier);
  menuOn(drawing("P", "A.dwg"), 247);
  EXPECT_EQ(tree->copiedDrawing(), drawingPath("P", "A.dwg"));
  EXPECT_TRUE(choosable(menuOn(drawing("P", "B.dwg")), 248));
}

TEST_F(TreeCommands, OpeningADrawingInUseAsksAndAMissingOneOnlyReports) {
  openDrawing(L"Other.dwg");
  writeNative(temp.native("P/A.dwl"), "colleague\nother-host Jo Colleague\nMonday, 07 December 2026  10:00:00");
  answers.queueAnswer(HcAnswer::kNo);
  tree->doubleClick(drawing("P", "A.dwg"));
  ASSERT_EQ(answers.asked().size(), 1u);
  EXPECT_EQ(answers.asked()[0].buttons, HcButtons::kYesNo);
  EXPECT_EQ(host().documents().documentCount(), 1) << "not opened";
  answers.queueAnswer(HcAnswer::kYes);
  tree->doubleClick(drawing("P", "A.dwg"));
  host().loop().runPending();
  EXPECT_EQ(host().documents().documentCount(), 2) << "opened anyway";

  std::filesystem::remove(temp.native("P/C.dwg"));
  tree->doubleClick(drawing("P", "C.dwg"));
  ASSERT_EQ(answers.asked().size(), 3u);
  EXPECT_EQ(answers.asked()[2].buttons, HcButtons::kOk);
  host().loop().runPending();
  EXPECT_EQ(host().documents().documentCount(), 2);
}

}  // namespace
}  // namespace vox::test
