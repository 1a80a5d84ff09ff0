#pragma once
// The compare command ("VoxCompareDtoP"): the settings of the drawing the palette left pending
// in the navigation manager (else the current document's drawing) beside its project's default
// drawing settings; on OK both are written back (the drawing's settings block, with a changed
// wire number format passed on to the ladder blocks, and the project file). Cancel writes
// nothing. The drawing and the project file are locked while the dialog is shown.

namespace vox::module {

void runCompareDrawingToProject();

}  // namespace vox::module
