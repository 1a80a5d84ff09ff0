// The enabling rules of the tree's four context menus, one table per menu: the facts, and the
// commands that must be greyed (every other command must be choosable).

#include "palette/TreeMenus.h"

#include <gtest/gtest.h>

#include <set>

#include "support/HostFixture.h"

namespace vox::palette {
namespace {

using Menus = test::HostFixture;  // the shipped texts

// Every command of the menu and whether a user can choose it.
std::set<unsigned> greyed(const HcMenu& menu) {
  std::set<unsigned> out;
  const std::function<void(const std::vector<HcMenuEntry>&)> walk = [&](const std::vector<HcMenuEntry>& entries) {
    for (const HcMenuEntry& entry : entries) {
      if (entry.command != 0 && !hcMenuCommandChoosable(menu.entries, entry.command)) out.insert(entry.command);
      walk(entry.children);
    }
  };
  walk(menu.entries);
  return out;
}

MenuFacts full() {
  MenuFacts f;
  f.documentOpen = true;
  f.openProjects = 2;
  f.lockedByMe = true;
  f.hasTasks = true;
  f.activeDrawingTitled = true;
  f.drawingOpen = true;
  f.drawingCopied = true;
  f.activeProjectLockedByMe = true;
  return f;
}

struct Case {
  const char* what;
  std::function<void(MenuFacts&)> change;
  std::set<unsigned> greyed;
};

void check(const std::function<HcMenu(const MenuFacts&)>& build, const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    MenuFacts facts = full();
    c.change(facts);
    EXPECT_EQ(greyed(build(facts)), c.greyed) << c.what;
  }
}

TEST_F(Menus, TheActiveProjectsMenu) {
  const std::set<unsigned> noDocument{203, 210, 211, 255, 212, 244, 213, 214, 215, 238, 239, 240, 241, 219, 217, 250};
  const std::set<unsigned> notMine{203, 210, 211, 212, 255, 244, 213, 214, 219, 217};
  check(activeProjectMenu,
        {{"everything allowed", [](MenuFacts&) {}, {}},
         {"the only project", [](MenuFacts& f) { f.openProjects = 1; }, {209}},
         {"no document", [](MenuFacts& f) { f.documentOpen = false; }, noDocument},
         {"not locked by me", [](MenuFacts& f) { f.lockedByMe = false; }, notMine},
         {"no tasks", [](MenuFacts& f) { f.hasTasks = false; }, {215}},
         {"an untitled drawing", [](MenuFacts& f) { f.activeDrawingTitled = false; }, {244}},
         {"the drawing is in the project", [](MenuFacts& f) { f.activeDrawingInProject = true; }, {244}}});
  const HcMenu menu = activeProjectMenu(full());
  ASSERT_GT(menu.entries.size(), kPublishSubMenuPosition);
  EXPECT_TRUE(menu.entries[kPublishSubMenuPosition].isSubMenu());
  EXPECT_NE(hcFindMenuCommand(menu.entries, 240), nullptr);
}

TEST_F(Menus, AnotherProjectsMenu) {
  check(projectMenu, {{"everything allowed", [](MenuFacts&) {}, {}},
                      {"no document", [](MenuFacts& f) { f.documentOpen = false; }, {203, 212, 244, 213, 214, 250}},
                      {"not locked by me", [](MenuFacts& f) { f.lockedByMe = false; }, {203, 212, 244, 213, 214}},
                      {"untitled, locked by me", [](MenuFacts& f) { f.activeDrawingTitled = false; }, {244}},
                      {"in this project", [](MenuFacts& f) { f.activeDrawingInProject = true; }, {244}}});
  EXPECT_NE(hcFindMenuCommand(projectMenu(full()).entries, 201), nullptr) << "it can be made active";
  EXPECT_EQ(hcFindMenuCommand(activeProjectMenu(full()).entries, 201), nullptr) << "the active one cannot";
}

TEST_F(Menus, TheDrawingMenu) {
  const std::set<unsigned> properties{245, 246, 247, 248, 249};
  std::set<unsigned> noDocument{207, 225, 226, 227};
  noDocument.insert(properties.begin(), properties.end());
  check(drawingMenu, {{"everything allowed", [](MenuFacts&) {}, {}},
                      {"single-document mode", [](MenuFacts& f) { f.singleDocumentMode = true; }, {205}},
                      {"not open", [](MenuFacts& f) { f.drawingOpen = false; }, {205}},
                      {"nothing copied", [](MenuFacts& f) { f.drawingCopied = false; }, {248}},
                      {"locked by another", [](MenuFacts& f) { f.lockedByOther = true; }, {207, 225, 226, 227}},
                      {"no document", [](MenuFacts& f) { f.documentOpen = false; }, noDocument},
                      {"several drawings", [](MenuFacts& f) { f.multiSelection = true; }, {207, 226, 227, 245, 247, 249}}});
  const HcMenu menu = drawingMenu(full());
  ASSERT_GT(menu.entries.size(), kPropertiesSubMenuPosition);
  EXPECT_TRUE(menu.entries[kPropertiesSubMenuPosition].isSubMenu());
}

TEST_F(Menus, TheEmptySpaceMenuAndEntryTexts) {
  check(emptySpaceMenu, {{"allowed", [](MenuFacts&) {}, {}},
                         {"active project not mine", [](MenuFacts& f) { f.activeProjectLockedByMe = false; }, {252}}});
  for (const HcMenu& menu : {projectMenu(full()), activeProjectMenu(full()), drawingMenu(full()), emptySpaceMenu(full())})
    for (const HcMenuEntry& entry : menu.entries)
      EXPECT_TRUE(entry.isSeparator() || (!entry.text.empty() && entry.text.find(L"resource") == std::wstring::npos))
          << menu.name.c_str() << " " << entry.command;
}

// Every command of every menu has a shortcut of its own within the menu, and a shortcut finds
// only an entry a user could choose.
TEST_F(Menus, EveryCommandHasAShortcutNoTwoInAMenuShareOne) {
  for (const HcMenu& menu : {projectMenu(full()), activeProjectMenu(full()), drawingMenu(full()), emptySpaceMenu(full())}) {
    std::set<std::wstring> seen;
    const std::function<void(const std::vector<HcMenuEntry>&)> walk = [&](const std::vector<HcMenuEntry>& entries) {
      for (const HcMenuEntry& entry : entries) {
        walk(entry.children);
        if (entry.command == 0) continue;
        EXPECT_FALSE(entry.shortcut.empty()) << menu.name.c_str() << " " << entry.command;
        EXPECT_TRUE(seen.insert(entry.shortcut).second) << menu.name.c_str() << ": two entries on " << entry.shortcut.c_str();
        EXPECT_EQ(commandForShortcut(menu, entry.shortcut), entry.command) << menu.name.c_str();
      }
    };
    walk(menu.entries);
  }
  MenuFacts nothingCopied = full();
  nothingCopied.drawingCopied = false;
  EXPECT_EQ(commandForShortcut(drawingMenu(nothingCopied), L"ctrl+v"), 0u) << "greyed: nothing to paste";
  EXPECT_EQ(commandForShortcut(drawingMenu(full()), L"ctrl+v"), unsigned{kPasteDrawingProperties}) << "keys ignore case";
  MenuFacts noDocument = full();
  noDocument.documentOpen = false;
  EXPECT_EQ(commandForShortcut(activeProjectMenu(noDocument), L"Ctrl+P"), 0u) << "inside a greyed sub-menu";
  EXPECT_EQ(commandForShortcut(drawingMenu(full()), L"Ctrl+Q"), 0u);
}

}  // namespace
}  // namespace vox::palette
