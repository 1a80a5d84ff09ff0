#pragma once
// "vox_ensureWDMandattribsexist": makes sure a drawing carries the "WD_M" block with all its
// attributes. The drawing is a path (opened beside the editor), nil (the current document) or an
// integer naming a database the drawing accessor knows; a second argument T reports failures.

namespace vox::module {

int ensureDrawingBlockFunction();

}  // namespace vox::module
