#pragma once
// The rows of the drawing-to-project settings comparison, without any I/O: building them from a
// drawing's settings and its project's default drawing settings, telling which differ, copying
// a value from one side to the other, and writing the rows back into both records.
//
// Row kinds: one per drawing setting index 0-76 except the drawing-specific ones (13, 46, 51-53)
// and the flag word 50; one per single-bit flag of "MISC_FLAGS" (keys "50,1" .. "50,16"),
// shown with the on and off texts; and one for the two-bit wire tee-marker style (key "50,32",
// bits 32 and 64), shown with four style names for 0, 32, 64 and 96.

#include <array>
#include <string>
#include <vector>

#include "records/VoxCfgDrawingSettings.h"

namespace vox::dialogs {

enum class CompareRowKind { kIndex, kFlag, kStyle };

struct CompareCell {
  std::wstring text;
  bool highlighted = false;
  bool operator==(const CompareCell&) const = default;
};

struct CompareRow {
  CompareRowKind kind = CompareRowKind::kIndex;
  int index = 0;  // the setting's index (50 for the flag and style rows)
  int bits = 0;   // flag rows: the bit; the style row: 32
  std::wstring key;
  CompareCell description;
  CompareCell drawing;
  CompareCell project;
  bool operator==(const CompareRow&) const = default;
};

// The texts rows are shown with, looked up once by the dialog.
struct CompareTexts {
  std::vector<std::wstring> indexLabels;  // by index 0-76
  std::array<std::wstring, 5> flagLabels;  // for the bits 1, 2, 4, 8, 16
  std::wstring styleLabel;
  std::wstring on = L"ON";
  std::wstring off = L"OFF";
  std::array<std::wstring, 4> styleNames;  // for 0, 32, 64 and 96
};

// The single-bit flags shown as rows, in row order, with their message keys and default texts.
struct CompareFlag {
  int bit;
  const wchar_t* labelKey;
  const wchar_t* labelText;
};
const std::array<CompareFlag, 5>& compareFlags();

// Every row, in order: the index rows, the flag rows, the style row.
std::vector<CompareRow> buildCompareRows(const VoxCfgDrawingSettings& drawing, const VoxCfgDrawingSettings& project,
                                         const CompareTexts& texts);

// Whether the two values of a row differ: ignoring case for index rows, by the bit or bits for
// the flag and style rows.
bool valuesDiffer(const CompareRow& row, const CompareTexts& texts);

enum class CopyDirection { kProjectToDrawing, kDrawingToProject };

// Copies the source value over the target cell when the texts differ, highlighting the target
// cell and the description; false when they were equal and nothing changed.
bool copyValue(CompareRow& row, CopyDirection direction);

// The bits (0, 32, 64 or 96) a style name stands for, or -1 for any other text.
int styleBits(const std::wstring& name, const CompareTexts& texts);

// Writes every row into both records: an index row sets the index from its column; a flag row
// sets its bit when the text is the on text (ignoring case), else clears it; the style row sets
// bits 32 and 64 from its style name, and any other text leaves them. The flag word is written
// with "%d". An index row whose text equals the record's value leaves the record alone, so an
// unset value stays unset.
void applyCompareRows(const std::vector<CompareRow>& rows, const CompareTexts& texts, VoxCfgDrawingSettings& drawing,
                      VoxCfgDrawingSettings& project);

// The indices whose value or set state differs between two records, comparing texts exactly.
std::vector<int> changedIndices(const VoxCfgDrawingSettings& before, const VoxCfgDrawingSettings& after);

}  // namespace vox::dialogs
