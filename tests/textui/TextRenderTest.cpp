// The text forms the shell prints and scripts compare.

#include "platform/textui/TextRender.h"

#include <gtest/gtest.h>

#include "FakeControllers.h"

namespace vox::textui {
namespace {

TEST(TextRender, TheTreeShowsExpandedProjectsWithTheirDrawingsAndFlags) {
  testing::FakePaletteSet palette;
  EXPECT_EQ(renderPalette(palette),
            L"palette \"Project Manager\" {shown}\n"
            L"  tree:\n"
            L"    - Plant {bold} {active}\n"
            L"      A01.dwg - Main power {caret} {selected}\n"
            L"      A02.dwg\n"
            L"    + Other\n");
  palette.visible = false;
  palette.withTree = false;
  EXPECT_EQ(renderPalette(palette), L"palette \"Project Manager\" {hidden}\n");
}

TEST(TextRender, MenusShowCommandsSeparatorsSubMenusAndGreyedEntries) {
  const HcMenu menu{L"drawing",
                    {HcMenuEntry::item(202, L"Open drawing"), HcMenuEntry::separator(),
                     HcMenuEntry::subMenu(L"Properties", {HcMenuEntry::item(245, L"Drawing properties", true)})}};
  EXPECT_EQ(renderMenu(menu),
            L"menu drawing\n"
            L"  202 Open drawing\n"
            L"  ---\n"
            L"  > Properties\n"
            L"    245 Drawing properties  [greyed]\n");
}

TEST(TextRender, DialogsShowPagesFieldsAndButtons) {
  testing::FakeDialog dialog;
  dialog.nameValue = L"Say \"hi\"";
  EXPECT_EQ(renderDialog(dialog),
            L"dialog fake \"Fake dialog\"\n"
            L"  pages: [General] \"Styles\"\n"
            L"  name = \"Say \\\"hi\\\"\"\n"
            L"  folder = [ ]\n"
            L"  path = \"C:\\\\P\\\\Say \\\"hi\\\"\"  [greyed]\n"
            L"  buttons: ok{default} cancel help[greyed]\n");
}

}  // namespace
}  // namespace vox::textui
