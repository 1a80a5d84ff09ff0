#pragma once
// The text of a drawing node in the project tree, and the scratch-database values it may show.
//
// A display order is a list of field codes; each code gives one part of the text, and the parts
// that are not empty are joined with " <separator> ":
//   101 installation code (scratch database "IEC_I")   102 location code ("IEC_L")
//   103 the drawing's file name with its extension     104 section      105 sub-section
//   106 sheet ("SH")      107 drawing number ("SHDWGNAM")
//   108, 291, 292 the first, second and third description line, when the entry has that many.
// Scratch-database codes give nothing without a scratch database; any other code gives nothing.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/VoxPrmFileDetails.h"

class VoxOleDbFileRecordset;

namespace vox::palette {

// The scratch database's field for a display code; null for codes that are not read from it.
const std::wstring* scratchFieldForCode(int code);

// The condition that selects a drawing's row in table FILETIME: DWGNAME = "<path>", the path with
// every "\" turned into "/" and upper-cased.
std::wstring scratchConditionFor(const std::wstring& drawingPath);

// Reads the value of `code` for `drawingPath` from the open recordset into `value` (left as it is
// when no row or several rows come back). False for a code that is not read from the database
// and when the selection fails; the recordset's error text is then printed on the command line.
bool valueFromScratchDb(std::wstring& value, const std::wstring& drawingPath, int code, VoxOleDbFileRecordset& recordset);

// Gives the scratch-database value of a code for the entry being named, or nothing.
using ScratchValue = std::function<std::wstring(int code)>;

// The node text of `entry` for the display order; `scratch` is empty without a scratch database.
std::wstring drawingNodeText(const VoxPrmFileDetails& entry, const std::vector<int>& displayOrder,
                             const std::wstring& separator, const ScratchValue& scratch);

}  // namespace vox::palette
