#include "MenuBuilder.h"

#include <QKeySequence>

namespace vox::studio {
namespace {

void addEntries(QMenu& menu, const std::vector<HcMenuEntry>& entries) {
  for (const HcMenuEntry& entry : entries) {
    if (entry.isSeparator()) {
      menu.addSeparator();
      continue;
    }
    if (entry.isSubMenu()) {
      QMenu* sub = menu.addMenu(QString::fromStdWString(entry.text));
      sub->setEnabled(!entry.greyed);
      addEntries(*sub, entry.children);
      continue;
    }
    QAction* action = menu.addAction(QString::fromStdWString(entry.text));
    action->setData(entry.command);
    if (!entry.shortcut.empty()) {
      // Shown beside the entry; the tree runs it when the menu is closed.
      action->setShortcut(QKeySequence::fromString(QString::fromStdWString(entry.shortcut), QKeySequence::PortableText));
      action->setShortcutVisibleInContextMenu(true);
    }
    action->setEnabled(!entry.greyed);
    action->setCheckable(entry.checked);
    action->setChecked(entry.checked);
  }
}

}  // namespace

std::unique_ptr<QMenu> buildQMenu(const HcMenu& menu, QWidget* parent) {
  auto qmenu = std::make_unique<QMenu>(parent);
  qmenu->setObjectName(QString::fromStdWString(menu.name));
  addEntries(*qmenu, menu.entries);
  return qmenu;
}

std::optional<unsigned> menuCommand(const QAction* action) {
  if (action == nullptr || !action->data().isValid()) return std::nullopt;
  return action->data().toUInt();
}

}  // namespace vox::studio
