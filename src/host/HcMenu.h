#pragma once
// A pop-up menu as plain data: entries with command numbers, texts, greyed and checked flags,
// separators and sub-menus. The module builds it, a host shows it and answers with the chosen
// command number.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct HcMenuEntry {
  unsigned command = 0;  // 0 for a separator or a sub-menu
  std::wstring text;     // empty for a separator
  bool greyed = false;
  bool checked = false;
  std::wstring shortcut;  // the keys that run the command without the menu ("Ctrl+O"), or empty
  std::vector<HcMenuEntry> children;  // a sub-menu when not empty

  static HcMenuEntry item(unsigned command, std::wstring text, bool greyed = false) {
    HcMenuEntry entry;
    entry.command = command;
    entry.text = std::move(text);
    entry.greyed = greyed;
    return entry;
  }
  static HcMenuEntry separator() { return {}; }
  static HcMenuEntry subMenu(std::wstring text, std::vector<HcMenuEntry> children, bool greyed = false) {
    HcMenuEntry entry;
    entry.text = std::move(text);
    entry.children = std::move(children);
    entry.greyed = greyed;
    return entry;
  }

  bool isSeparator() const { return text.empty() && children.empty(); }
  bool isSubMenu() const { return !children.empty(); }
  bool operator==(const HcMenuEntry&) const = default;
};

struct HcMenu {
  std::wstring name;  // what the menu is for ("drawing", "project"), shown by text hosts
  std::vector<HcMenuEntry> entries;
};

// The entry of `command` anywhere in `entries` (sub-menus included), or null.
const HcMenuEntry* hcFindMenuCommand(const std::vector<HcMenuEntry>& entries, unsigned command);
// Whether `command` names an entry that a user can choose: present, not greyed, and not inside
// a greyed sub-menu.
bool hcMenuCommandChoosable(const std::vector<HcMenuEntry>& entries, unsigned command);
