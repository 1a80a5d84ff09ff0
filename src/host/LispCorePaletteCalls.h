#pragma once
// Calls of the LISP core made by the palette: expressions typed into the current document for the
// palette's project commands, the typed "_.open" of a drawing, and the drawing-list dialogs of the
// core, which answer success only (or the edited description lines).

#include <optional>
#include <string>
#include <vector>

#include "host/HcResBuf.h"

namespace vox::host::lispcore {

// The palette commands carried out by the core when their expression is typed.
enum class PaletteExpression {
  kDrawingListReport,   // (c:wd_dwglst_proj)
  kTitleBlockUpdate,    // (c:wd_tb)
  kBump,                // (c:wd_bump)
  kUpdatePending,       // (c:wd_upd_pending nil)
  kPlotProject,         // (c:vox_prnt_proj nil nil)
  kPublishToWeb,        // (c:wd_xml_pub2web)
  kPublishSetup,        // (c:vox_pub_setup)
  kZipProject,          // (c:wd_zip_do_wdzip 0)
  kRereadDrawingParams, // (c:wd_reread_dwg_params)
  kIecTagFreshen,       // (c:wd_iec_tag_freshen)
};

// The expression typed for `command`, without the carriage return.
const std::wstring& paletteExpressionText(PaletteExpression command);
// Types the expression into the current document (not echoed); false without a document.
bool sendPaletteExpression(PaletteExpression command);

// Whether `text` holds a double quote or a control character: put between double quotes into
// typed input or a script, it could end the quoted text and inject input of its own.
bool unsafeForQuotedInput(const std::wstring& text);

// The "_.open" line for a drawing path, without the carriage return; empty when the path holds a
// double quote or a control character, which could end the quoted name and inject input.
std::optional<std::wstring> openDrawingLine(const std::wstring& drawingPath);
// Types the "_.open" line, echoed. A refused path prints one line on the command line and gives
// false, as does the lack of a current document.
bool sendOpenDrawing(const std::wstring& drawingPath);

// Drawing-list dialogs of the core for a project; each answers success only.
bool reorderDrawingList(const std::wstring& projectPath);          // c:vox_reorder_dlst
bool removeSeveralDrawings(const std::wstring& projectPath);       // c:vox_proj_multiple_remove
bool symbolLibraryDialog(const std::wstring& projectPath);         // c:vox_proj_symbol_lib_dlg
// c:vox_proj_dwg_secsub_properties with the two paths in the order the tree gives them.
bool sectionSubsectionProperties(const std::wstring& first, const std::wstring& second);
bool projectSettingsHelp();                                        // c:wd_help_proj_settings
// c:vox_proj_edit_proj_description_lines with the arguments its calling dialog builds; the edited
// description lines, or nothing when the call failed or did not answer a list.
std::optional<std::vector<std::wstring>> editDescriptionLines(const HcResBufChain& args);

}  // namespace vox::host::lispcore
