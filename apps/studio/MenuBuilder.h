#pragma once
// A menu given as data, as a QMenu: one action per entry with the entry's text, greyed entries
// disabled, checked entries checked, separators and sub-menus in place. Each action carries
// its command number as data, so the chosen action names the command.

#include <QMenu>

#include <memory>
#include <optional>

#include "host/HcMenu.h"

namespace vox::studio {

std::unique_ptr<QMenu> buildQMenu(const HcMenu& menu, QWidget* parent = nullptr);
// The command an action of such a menu stands for; none for a null action or one without.
std::optional<unsigned> menuCommand(const QAction* action);

}  // namespace vox::studio
