#pragma once
// The lock mark as the studio draws it: a grey padlock holding a square in the lock state's
// colour (green this user, red another one, yellow read-only, grey unreadable); alone on the
// combo box's face, as a badge in the corner of a tree node's icon.

#include <QIcon>
#include <QPixmap>

#include "host/HcPaletteControllers.h"

namespace vox::studio {

QColor lockColour(HcLockMark mark);
// The padlock, `size` pixels square; an empty pixmap for no mark.
QPixmap lockPixmap(HcLockMark mark, int size = 14);
// `base` at 16 pixels with the padlock over its lower right corner.
QIcon withLockBadge(const QIcon& base, HcLockMark mark);

}  // namespace vox::studio
