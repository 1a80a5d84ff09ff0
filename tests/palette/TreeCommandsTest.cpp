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
  int runDialog(HcDialogController& dialog) override { return dialogs ? dialogs(dialog) : kHcDialogCancel; }
  unsigned doubleClickMs() const override { return 500; }
  bool textFits(const std::wstring&, int) const override { return true; }

  std::vector<HcMenu> shown;
  std::optional<unsigned> answer;
  std::function<void()> whileShown;
  std::function<int(HcDialogController&)> dialogs;
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

TEST_F(TreeCommands, ShortcutsRunTheCaretsMenuCommandsWhenTheMenuWouldOfferThem) {
  openDrawing(L"Other.dwg");
  tree->click(drawing("P", "B.dwg"), HcHitPart::kLabel, kHcNoModifier);
  EXPECT_FALSE(tree->shortcut(L"Ctrl+V")) << "nothing copied: paste is greyed";
  EXPECT_TRUE(tree->shortcut(L"Ctrl+C"));
  EXPECT_EQ(tree->copiedDrawing(), drawingPath("P", "B.dwg"));
  EXPECT_TRUE(tree->shortcut(L"Del"));
  EXPECT_EQ(projectText("P").find("B.dwg"), std::string::npos) << "Del removed the caret's drawing";
  EXPECT_EQ(selection("P"), L"P A.dwg [^C.dwg]");
  EXPECT_FALSE(tree->shortcut(L"Ctrl+W")) << "closing is a project's command, not a drawing's";
  tree->click(project("Q"), HcHitPart::kLabel, kHcNoModifier);
  EXPECT_TRUE(tree->shortcut(L"ctrl+w"));
  EXPECT_EQ(rootTexts(), std::vector<std::wstring>{L"P*"});
  EXPECT_TRUE(ui.shown.empty()) << "no menu is shown for a shortcut";
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

TEST_F(TreeCommands, AddingDrawingsSkipsListedAndMissingFilesAndShowsTheRestAtOnce) {
  writeNative(temp.native("P/New1.dwg"), emptyDrawing());
  writeNative(temp.native("P/notes.txt"), "x");
  answers.queueReply(drawingPath("P", "A.dwg") + L"|" + drawingPath("P", "New1.dwg") + L"|" + drawingPath("P", "notes.txt") +
                     L"|" + drawingPath("P", "Missing.dwg"));
  answers.queueAnswer(HcAnswer::kOk);  // the missing file's warning
  EXPECT_TRUE(tree->ProjectMenuAddDrawings(projectP));
  EXPECT_NE(projectText("P").find("New1.dwg"), std::string::npos) << projectText("P");
  EXPECT_EQ(projectText("P").find("notes.txt"), std::string::npos);
  EXPECT_NE(tree->GetDrawingItem(drawingPath("P", "New1.dwg")), 0u) << "the tree shows it at once";
  EXPECT_EQ(drawings("P").size(), 4u) << "A.dwg is not added twice";
  int warnings = 0;
  for (const interaction::Question& question : answers.asked())
    if (question.text.find(L"does not exist") != std::wstring::npos) {
      ++warnings;
      EXPECT_NE(question.text.find(L"Missing.dwg"), std::wstring::npos);
    }
  EXPECT_EQ(warnings, 1) << "a warning for the missing file only";

  answers.queueReply(drawingPath("P", "B.dwg"));
  EXPECT_FALSE(tree->ProjectMenuAddDrawings(projectP)) << "only listed files: nothing added";
  answers.queueReply(std::nullopt);
  EXPECT_FALSE(tree->ProjectMenuAddDrawings(projectP)) << "cancelled";
  EXPECT_EQ(siblings()->log().count(L"LispCheckFileLockStatusAndLock"), siblings()->log().count(L"LispUpdUnlockFiles"))
      << "every lock released";
}

TEST_F(TreeCommands, AddingWithTheProjectDefaultsAsksAndCancelAddsNothing) {
  openDrawing(L"Other.dwg");
  writeNative(temp.native("P/New2.dwg"), emptyDrawing());
  answers.queueReply(drawingPath("P", "New2.dwg"));
  answers.queueAnswer(HcAnswer::kCancel);
  EXPECT_FALSE(tree->ProjectMenuAddDrawings(projectP));
  EXPECT_EQ(projectText("P").find("New2.dwg"), std::string::npos);
  answers.queueReply(drawingPath("P", "New2.dwg"));
  answers.queueAnswer(HcAnswer::kNo);
  EXPECT_TRUE(tree->ProjectMenuAddDrawings(projectP));
  EXPECT_NE(projectText("P").find("New2.dwg"), std::string::npos);
}

TEST_F(TreeCommands, TheExceptionListReportsDrawingsWhoseSettingsDifferFromTheProjects) {
  tree->setContextItem(project("P"));
  EXPECT_TRUE(tree->ProjectMenuExceptionList());
  ASSERT_EQ(answers.asked().size(), 1u);
  EXPECT_NE(answers.asked()[0].text.find(L"default settings"), std::wstring::npos)
      << "drawings without a settings block are no exceptions: " << answers.asked()[0].text;
  EXPECT_NE(answers.asked()[0].caption.find(L"P"), std::wstring::npos);
}

TEST_F(TreeCommands, CopyDrawingToCopiesIntoTheChosenProjectAndAsksBeforeReplacingAFile) {
  const auto copyTo = [&](const std::wstring& path, const std::wstring& project) {
    ui.dialogs = [=](HcDialogController& dialog) {
      EXPECT_EQ(dialog.fields().at(1).choices, (std::vector<std::wstring>{L"P", L"Q"})) << "the active project first";
      EXPECT_TRUE(dialog.setField(L"path", path));
      EXPECT_TRUE(dialog.setField(L"project", project));
      return dialog.press(L"ok").closed ? kHcDialogOk : kHcDialogCancel;
    };
    tree->setContextItem(drawing("P", "A.dwg"));
    return tree->DrawingMenuCopyTo();
  };
  answers.queueAnswer(HcAnswer::kNo);  // the drawings keep their settings
  EXPECT_TRUE(copyTo(drawingPath("Q", "A-copy.dwg"), L"Q"));
  EXPECT_TRUE(std::filesystem::exists(temp.native("Q/A-copy.dwg")));
  EXPECT_NE(projectText("Q").find("A-copy.dwg"), std::string::npos) << projectText("Q");

  writeNative(temp.native("Q/Taken.dwg"), "keep me");
  answers.queueAnswer(HcAnswer::kNo);
  answers.queueAnswer(HcAnswer::kNo);  // do not replace Taken.dwg
  EXPECT_FALSE(copyTo(drawingPath("Q", "Taken.dwg"), L"Q"));
  EXPECT_EQ(readNative(temp.native("Q/Taken.dwg")), "keep me");

  answers.queueAnswer(HcAnswer::kNo);
  EXPECT_TRUE(copyTo(drawingPath("P", "A.dwg"), L"Q")) << "its own path: no copy, the entry still added";
  EXPECT_NE(projectText("Q").find("P\\A.dwg"), std::string::npos) << projectText("Q");
  EXPECT_EQ(siblings()->log().count(L"LispCheckFileLockStatusAndLock"), siblings()->log().count(L"LispUpdUnlockFiles"));
}

TEST_F(TreeCommands, ApplyingDefaultsToDrawingsWithoutASettingsBlockNamesThemAndReleasesEveryLock) {
  tree->click(drawing("P", "A.dwg"), HcHitPart::kLabel, kHcNoModifier);
  tree->click(drawing("P", "B.dwg"), HcHitPart::kLabel, kHcShift);
  const std::string before = readNative(temp.native("P/A.dwg"));
  EXPECT_TRUE(tree->DrawingPropsMenuApplyProjDefaults());
  ASSERT_EQ(answers.asked().size(), 2u) << "the first failure, then the list of drawings not changed";
  EXPECT_NE(answers.asked()[0].text.find(L"A.dwg"), std::wstring::npos) << answers.asked()[0].text;
  EXPECT_NE(answers.asked()[1].text.find(L"B.dwg"), std::wstring::npos) << answers.asked()[1].text;
  EXPECT_EQ(readNative(temp.native("P/A.dwg")), before);
  EXPECT_EQ(siblings()->log().count(L"LispCheckFileLockStatusAndLock"), siblings()->log().count(L"LispUpdUnlockFiles"));
}

TEST_F(TreeCommands, ReplacingADrawingRefusesOneAlreadyListedAndSwapsTheEntryOtherwise) {
  writeNative(temp.native("P/Z.dwg"), emptyDrawing());
  answers.queueReply(drawingPath("P", "C.dwg"));
  answers.queueAnswer(HcAnswer::kOk);
  EXPECT_FALSE(tree->DrawingMenuReplace(*tree->GetProjectDataForItem(drawing("P", "A.dwg")), drawingPath("P", "A.dwg")));
  EXPECT_NE(answers.asked().back().text.find(L"in the project already"), std::wstring::npos);
  answers.queueReply(drawingPath("P", "Z.dwg"));
  answers.queueAnswer(HcAnswer::kNo);
  EXPECT_TRUE(tree->DrawingMenuReplace(*tree->GetProjectDataForItem(drawing("P", "A.dwg")), drawingPath("P", "A.dwg")));
  EXPECT_EQ(selection("P"), L"P Z.dwg B.dwg C.dwg") << "the entry keeps its place";
  EXPECT_EQ(siblings()->log().count(L"LispCheckFileLockStatusAndLock"), siblings()->log().count(L"LispUpdUnlockFiles"));
}

TEST_F(TreeCommands, ClosingDrawingsClosesTheirDocumentsOnly) {
  ASSERT_NE(host().documents().appContextOpenDocument(drawingPath("P", "A.dwg"), false), nullptr);
  ASSERT_NE(host().documents().appContextOpenDocument(drawingPath("P", "B.dwg"), false), nullptr);
  tree->setContextItem(drawing("P", "A.dwg"));
  const HcMenu& menu = menuOn(drawing("P", "A.dwg"), 205);
  EXPECT_TRUE(choosable(menu, 205)) << "open, and not single-document mode";
  host().loop().runPending();
  ASSERT_EQ(host().documents().documentCount(), 1);
  EXPECT_EQ(host().documents().documents().front()->fileName(), drawingPath("P", "B.dwg"));
}

}  // namespace
}  // namespace vox::test
