#pragma once
// The drawing properties command ("VoxDrawingProps"): edits the drawing the palette left pending
// in the navigation manager (with its project), else the current document's drawing.

namespace vox::module {

void runDrawingProperties();

}  // namespace vox::module
