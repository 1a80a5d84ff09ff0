#pragma once
// Edit drawing properties: the operation behind the drawing properties command, the project
// tree's drawing properties entry and the new drawing dialog's OK-and-open-properties.
//
// It opens the drawing's database beside the editor, reads the drawing settings from its "WD_M"
// block (offering to insert a missing one when the drawing's project is the active one), its
// title values and layer lists, and its entry in its project; shows the drawing properties
// sheet, handing the editor to the user for the sheet's picks; and on OK writes back what
// changed: the block (passing a new wire number format on to the ladder blocks), the title
// values, the layers' frozen states, the entry (the project file written when the project's
// data differs). Then it tells the LISP core (the drawing is the active document) or the
// manager (it is open in another document) that the drawing's settings changed, and asks for
// the ladder sheet references to follow a changed sheet.
//
// The project file, the drawing (when it is a saved file) and the current document are locked
// for the length of the operation and released on every path; the database is always closed.

#include <string>

namespace vox::dialogs {

// `path`: the drawing ("/" taken as "\"). `projectID`: its project; empty: the open project
// that lists the drawing; null: fails. `savedFile`: the drawing exists as a named file, which
// must exist and is locked while editing. False when the operation failed or was cancelled
// before the sheet; true after the sheet closed, with OK or Cancel.
bool editDrawingProperties(const std::wstring& path, const wchar_t* projectID, bool savedFile);

}  // namespace vox::dialogs
