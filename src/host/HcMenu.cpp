#include "host/HcMenu.h"

const HcMenuEntry* hcFindMenuCommand(const std::vector<HcMenuEntry>& entries, unsigned command) {
  for (const HcMenuEntry& entry : entries) {
    if (entry.isSubMenu()) {
      if (const HcMenuEntry* found = hcFindMenuCommand(entry.children, command)) return found;
    } else if (!entry.isSeparator() && entry.command == command) {
      return &entry;
    }
  }
  return nullptr;
}

bool hcMenuCommandChoosable(const std::vector<HcMenuEntry>& entries, unsigned command) {
  for (const HcMenuEntry& entry : entries) {
    if (entry.isSubMenu()) {
      if (!entry.greyed && hcMenuCommandChoosable(entry.children, command)) return true;
    } else if (!entry.isSeparator() && entry.command == command && !entry.greyed) {
      return true;
    }
  }
  return false;
}
