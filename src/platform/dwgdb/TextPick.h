#pragma once
// Selecting a text of a drawing by a point, as a host's pick does: the texts of model space and
// those inside the block references placed there (nested, moved, rotated and scaled into place).
// A text occupies the box from its insertion point (the left end of its base line) up by its
// height and right by an estimated width (0.6 of the height per character); the text whose box
// is nearest to the point, within the aperture, is selected (the first one drawn on a tie).

#include <optional>
#include <string>

#include "platform/dwgdb/Drawing.h"

namespace vox::dwgdb {

std::optional<std::wstring> textAt(const Drawing& drawing, const Point& at, double aperture);

}  // namespace vox::dwgdb
