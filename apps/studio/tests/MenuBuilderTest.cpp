// Menus given as data, shown as QMenus: the same commands, texts, greyed and checked flags,
// separators and sub-menus, in the same order.

#include <QAction>

#include <gtest/gtest.h>

#include "MenuBuilder.h"

namespace vox::studio::test {
namespace {

// Compares a QMenu with the entries it was built from, entry by entry.
void expectSameMenu(const QMenu& menu, const std::vector<HcMenuEntry>& entries, const std::string& where) {
  const QList<QAction*> actions = menu.actions();
  ASSERT_EQ(actions.size(), static_cast<qsizetype>(entries.size())) << "in " << where;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const HcMenuEntry& entry = entries[i];
    const QAction* action = actions[static_cast<qsizetype>(i)];
    const std::string at = where + " entry " + std::to_string(i);
    EXPECT_EQ(action->isSeparator(), entry.isSeparator()) << at;
    if (entry.isSeparator()) continue;
    EXPECT_EQ(action->text().toStdWString(), entry.text) << at;
    EXPECT_EQ(action->isEnabled(), !entry.greyed) << at;
    if (entry.isSubMenu()) {
      ASSERT_NE(action->menu(), nullptr) << at << ": expected a sub-menu";
      EXPECT_FALSE(menuCommand(action).has_value()) << at << ": a sub-menu names no command";
      expectSameMenu(*action->menu(), entry.children, at);
      continue;
    }
    EXPECT_EQ(menuCommand(action), std::optional<unsigned>(entry.command)) << at;
    EXPECT_EQ(action->isChecked(), entry.checked) << at;
  }
}

TEST(MenuBuilder, QMenuHasTheDatasCommandsTextsAndFlags) {
  HcMenuEntry checked = HcMenuEntry::item(204, L"Show details");
  checked.checked = true;
  const HcMenu menu{L"drawing",
                    {HcMenuEntry::item(202, L"Open drawing"), HcMenuEntry::item(205, L"Close drawing", true),
                     HcMenuEntry::separator(), checked,
                     HcMenuEntry::subMenu(L"Properties", {HcMenuEntry::item(245, L"Drawing properties", true),
                                                          HcMenuEntry::item(246, L"Title block")}),
                     HcMenuEntry::subMenu(L"Publish", {HcMenuEntry::item(260, L"To PDF")}, true)}};
  const std::unique_ptr<QMenu> qmenu = buildQMenu(menu);
  EXPECT_EQ(qmenu->objectName(), QStringLiteral("drawing"));
  expectSameMenu(*qmenu, menu.entries, "menu");
}

TEST(MenuBuilder, NoActionNamesNoCommand) {
  EXPECT_FALSE(menuCommand(nullptr).has_value());
  const QAction plain(QStringLiteral("plain"));
  EXPECT_FALSE(menuCommand(&plain).has_value());
}

}  // namespace
}  // namespace vox::studio::test
