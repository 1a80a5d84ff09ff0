// The text UI host: menus and dialogs answered from an answer source, palette verbs forwarded to
// the controllers, refused input that changes nothing.

#include "platform/textui/TextUiHost.h"

#include <gtest/gtest.h>

#include "FakeControllers.h"

namespace vox::textui {
namespace {

using testing::FakeDialog;
using testing::FakePaletteSet;
using testing::QueuedAnswers;

class TextUiHostTest : public ::testing::Test {
 protected:
  TextUiHostTest() : host([this](const std::wstring& text) { output += text; }, answers, nullptr) {}

  HcMenu drawingMenu() const {
    return HcMenu{L"drawing",
                  {HcMenuEntry::item(202, L"Open drawing"), HcMenuEntry::item(205, L"Close drawing", true),
                   HcMenuEntry::separator(),
                   HcMenuEntry::subMenu(L"Properties", {HcMenuEntry::item(245, L"Drawing properties")}, true),
                   HcMenuEntry::subMenu(L"Publish", {HcMenuEntry::item(238, L"Plot project")})}};
  }
  std::optional<unsigned> choose(const std::wstring& answer) {
    answers.lines = {answer};
    return host.popupMenu(drawingMenu(), {});
  }

  std::wstring output;
  QueuedAnswers answers;
  FakePaletteSet palette;  // outlives the host, as a module's palette set is given up before
  TextUiHost host;
};

TEST_F(TextUiHostTest, AMenuGivesTheChosenCommandOnlyWhenItCanBeChosen) {
  EXPECT_EQ(choose(L"202"), 202u);
  EXPECT_EQ(choose(L"choose 238"), 238u) << "a command inside an enabled sub-menu";
  EXPECT_EQ(choose(L"205"), std::nullopt) << "a greyed entry";
  EXPECT_EQ(choose(L"245"), std::nullopt) << "an entry inside a greyed sub-menu";
  EXPECT_EQ(choose(L"999"), std::nullopt) << "no such entry";
  EXPECT_EQ(choose(L"none"), std::nullopt);
  answers.lines.clear();
  EXPECT_EQ(host.popupMenu(drawingMenu(), {}), std::nullopt) << "no answer left";
  EXPECT_NE(output.find(L"menu drawing: \"205\" is not an entry that can be chosen"), std::wstring::npos) << output;
}

TEST_F(TextUiHostTest, ADialogStaysOpenOnRefusalsAndClosesWithItsResult) {
  FakeDialog dialog;
  answers.lines = {L"press ok", L"set nosuch 1", L"set folder maybe", L"press help", L"set name Plant",
                   L"set folder 1", L"press ok"};
  EXPECT_EQ(host.runDialog(dialog), kHcDialogOk);
  EXPECT_EQ(dialog.nameValue, L"Plant");
  EXPECT_TRUE(dialog.folder);
  EXPECT_EQ(dialog.pressed, (std::vector<std::wstring>{L"ok", L"ok"})) << "a greyed button is never pressed";
  EXPECT_NE(output.find(L"dialog fake: Enter a name. [focus: name]"), std::wstring::npos) << output;
  EXPECT_NE(output.find(L"dialog fake: cannot set \"nosuch\""), std::wstring::npos) << output;
  EXPECT_NE(output.find(L"dialog fake: cannot set \"folder\" to \"maybe\""), std::wstring::npos) << output;
  EXPECT_NE(output.find(L"  path = \"C:\\\\P\\\\Plant\"  [greyed]"), std::wstring::npos) << output;
}

TEST_F(TextUiHostTest, ADialogWithoutAnswersIsCancelledAndAPageThatRefusesToBeLeftStays) {
  FakeDialog dialog;
  dialog.refuseLeave = true;
  answers.lines = {L"tab Styles", L"tab 7", L"jump"};
  EXPECT_EQ(host.runDialog(dialog), kHcDialogCancel);
  EXPECT_EQ(dialog.page, 0);
  EXPECT_EQ(dialog.pressed, std::vector<std::wstring>{L"cancel"});
  EXPECT_NE(output.find(L"dialog fake: Fix the name first."), std::wstring::npos) << output;
  EXPECT_NE(output.find(L"dialog fake: no page \"7\""), std::wstring::npos) << output;
  EXPECT_NE(output.find(L"dialog fake: unknown answer \"jump\""), std::wstring::npos) << output;
  EXPECT_NE(output.find(L"dialog fake: no more answers; cancelled"), std::wstring::npos) << output;
}

TEST_F(TextUiHostTest, PaletteVerbsReachTheTreeWithTheirModifiers) {
  host.showPaletteSet(palette, true);
  EXPECT_TRUE(host.paletteVerb({L"click", L"A01.dwg", L"ctrl+shift"}));
  EXPECT_TRUE(host.paletteVerb({L"click", L"a02.DWG - x"}) == false) << "a name must match a node's text";
  EXPECT_TRUE(host.paletteVerb({L"click", L"Other", L"none", L"icon"}));
  EXPECT_TRUE(host.paletteVerb({L"key", L"shift+pagedown"}));
  EXPECT_TRUE(host.paletteVerb({L"dblclick", L"#3"}));
  EXPECT_TRUE(host.paletteVerb({L"menu", L"empty"}));
  EXPECT_TRUE(host.paletteVerb({L"collapse", L"plant"}));
  EXPECT_EQ(palette.fakeTree.calls,
            (std::vector<std::wstring>{L"click 2 2 3", L"click 4 1 0", L"key 7 1", L"dblclick 3", L"menu 0",
                                       L"collapse 1"}));
}

TEST_F(TextUiHostTest, RefusedPaletteVerbsChangeNothing) {
  EXPECT_FALSE(host.paletteVerb({L"click", L"A01.dwg"})) << "no palette set yet";
  host.showPaletteSet(palette, true);
  for (const std::vector<std::wstring>& words :
       std::vector<std::vector<std::wstring>>{{L"click", L"Nowhere.dwg"},
                                              {L"click", L"A01.dwg", L"meta"},
                                              {L"key", L"hyper+down"},
                                              {L"choose", L"202"},
                                              {L"wiggle", L"A01.dwg"},
                                              {L"button", L"refresh"},
                                              {L"combo", L"choose", L"1"}})
    EXPECT_FALSE(host.paletteVerb(words)) << words.front();
  palette.visible = false;
  EXPECT_FALSE(host.paletteVerb({L"click", L"A01.dwg"})) << "a hidden palette takes no clicks";
  EXPECT_TRUE(palette.fakeTree.calls.empty());
  EXPECT_NE(output.find(L"palette: no node \"Nowhere.dwg\""), std::wstring::npos) << output;
}

TEST_F(TextUiHostTest, RenameEndsTheEditTheTreeBeganAndRefusesANodeWithout) {
  host.showPaletteSet(palette, true);
  EXPECT_TRUE(host.paletteVerb({L"rename", L"A02.dwg", L"B02"}));
  EXPECT_EQ(palette.fakeTree.calls.back(), L"rename 3 B02");
  EXPECT_FALSE(host.paletteVerb({L"rename", L"Plant", L"X"})) << "the tree began no edit on a project";
  EXPECT_NE(palette.fakeTree.calls.back(), L"rename 1 X");
}

TEST(TextUiKeys, KeysAndModifiersParseInAnyCaseAndOrder) {
  EXPECT_EQ(parseKey(L"Shift+Down"), (std::pair{HcKey::kDown, unsigned{kHcShift}}));
  EXPECT_EQ(parseKey(L"shift+ctrl+f2"), (std::pair{HcKey::kF2, unsigned{kHcShift | kHcCtrl}}));
  EXPECT_EQ(parseKey(L"enter"), (std::pair{HcKey::kEnter, unsigned{kHcNoModifier}}));
  EXPECT_EQ(parseKey(L"down+shift"), std::nullopt);
  EXPECT_EQ(parseKey(L"ctrl+"), std::nullopt);
  EXPECT_EQ(parseModifiers(L"ctrl+shift"), unsigned{kHcShift | kHcCtrl});
  EXPECT_EQ(parseModifiers(L"none"), unsigned{kHcNoModifier});
  EXPECT_EQ(parseModifiers(L"ctrl+meta"), std::nullopt);
}

}  // namespace
}  // namespace vox::textui
