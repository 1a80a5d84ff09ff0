#pragma once
// Qt's keys and modifiers in the tree controller's terms.

#include <Qt>

#include <optional>

#include "host/HcPaletteControllers.h"

namespace vox::studio {

// The controller's key for a Qt key; none for a key the tree does not handle.
std::optional<HcKey> treeKeyOf(int qtKey);
// Shift, Ctrl and Alt as the controller's modifier flags; other modifiers are dropped.
unsigned treeModifiersOf(Qt::KeyboardModifiers modifiers);

}  // namespace vox::studio
