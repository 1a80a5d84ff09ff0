#include "dialogs/SettingsCompareRows.h"

#include <optional>

#include "dialogs/MiscFlagBits.h"
#include "platform/os/CaseMapping.h"
#include "records/DrawingSettingTable.h"

namespace vox::dialogs {
namespace {

std::optional<std::wstring> valueAt(const VoxCfgDrawingSettings& settings, int index) {
  std::wstring value;
  if (settings.getValue(index, value) != VoxCfgDrawingSettings::kOk) return std::nullopt;
  return value;
}

std::wstring flagText(int word, int bit, const CompareTexts& texts) { return (word & bit) != 0 ? texts.on : texts.off; }

std::wstring styleText(int word, const CompareTexts& texts) {
  return texts.styleNames[static_cast<std::size_t>((word & kFlagWireTeeStyle) / 32)];
}

bool isOn(const std::wstring& text, const CompareTexts& texts) { return os::iequals(text, texts.on); }

CompareRow indexRow(int index, const VoxCfgDrawingSettings& drawing, const VoxCfgDrawingSettings& project,
                    const CompareTexts& texts) {
  CompareRow row;
  row.index = index;
  row.key = std::to_wstring(index);
  if (static_cast<std::size_t>(index) < texts.indexLabels.size()) row.description.text = texts.indexLabels[index];
  row.drawing.text = valueAt(drawing, index).value_or(L"");
  row.project.text = valueAt(project, index).value_or(L"");
  return row;
}

bool isIndexRow(int index) { return index != kMiscFlagsIndex && !records::isDrawingSpecificIndex(index); }

// Sets index `index` of `settings` to `text` unless it already holds exactly that.
void setText(VoxCfgDrawingSettings& settings, int index, const std::wstring& text) {
  if (valueAt(settings, index) != text) settings.setValue(index, &text);
}

// Replaces the bits of `mask` in the flag word; a word that already holds them is not rewritten.
void setBits(VoxCfgDrawingSettings& settings, int mask, int bits) {
  if ((miscFlags(settings) & mask) != bits) storeFlagBits(settings, mask, bits, 0);
}

void applyRow(const CompareRow& row, const CompareCell& cell, const CompareTexts& texts, VoxCfgDrawingSettings& settings) {
  switch (row.kind) {
    case CompareRowKind::kIndex:
      setText(settings, row.index, cell.text);
      break;
    case CompareRowKind::kFlag:
      setBits(settings, row.bits, isOn(cell.text, texts) ? row.bits : 0);
      break;
    case CompareRowKind::kStyle:
      if (const int bits = styleBits(cell.text, texts); bits >= 0) setBits(settings, kFlagWireTeeStyle, bits);
      break;
  }
}

}  // namespace

const std::array<CompareFlag, 5>& compareFlags() {
  static const std::array<CompareFlag, 5> kFlags{{
      {kFlagScaleMmFullSize, L"CFG008", L"Scale - mm full size"},
      {kFlagIgnoreLayer0, L"CFG009", L"Layer Adjust - ignore layer 0"},
      {kFlagPlcAddressWireNums, L"CFG010", L"Use PLC address wire numbers"},
      {kFlagSuppressLineRefs, L"CFG011", L"Suppress Ladder Line References"},
      {kFlagSearchPlcAddress, L"CFG025", L"Search for PLC addr when Insert Component"},
  }};
  return kFlags;
}

std::vector<CompareRow> buildCompareRows(const VoxCfgDrawingSettings& drawing, const VoxCfgDrawingSettings& project,
                                         const CompareTexts& texts) {
  std::vector<CompareRow> rows;
  for (int index = 0; index < records::kDrawingSettingCount; ++index)
    if (isIndexRow(index)) rows.push_back(indexRow(index, drawing, project, texts));
  const int drawingWord = miscFlags(drawing);
  const int projectWord = miscFlags(project);
  for (std::size_t i = 0; i < compareFlags().size(); ++i) {
    const int bit = compareFlags()[i].bit;
    CompareRow row;
    row.kind = CompareRowKind::kFlag;
    row.index = kMiscFlagsIndex;
    row.bits = bit;
    row.key = L"50," + std::to_wstring(bit);
    row.description.text = texts.flagLabels[i];
    row.drawing.text = flagText(drawingWord, bit, texts);
    row.project.text = flagText(projectWord, bit, texts);
    rows.push_back(std::move(row));
  }
  CompareRow style;
  style.kind = CompareRowKind::kStyle;
  style.index = kMiscFlagsIndex;
  style.bits = 32;
  style.key = L"50,32";
  style.description.text = texts.styleLabel;
  style.drawing.text = styleText(drawingWord, texts);
  style.project.text = styleText(projectWord, texts);
  rows.push_back(std::move(style));
  return rows;
}

bool valuesDiffer(const CompareRow& row, const CompareTexts& texts) {
  switch (row.kind) {
    case CompareRowKind::kFlag:
      return isOn(row.drawing.text, texts) != isOn(row.project.text, texts);
    case CompareRowKind::kStyle:
      return styleBits(row.drawing.text, texts) != styleBits(row.project.text, texts);
    case CompareRowKind::kIndex:
      break;
  }
  return !os::iequals(row.drawing.text, row.project.text);
}

bool copyValue(CompareRow& row, CopyDirection direction) {
  const bool toDrawing = direction == CopyDirection::kProjectToDrawing;
  const CompareCell& source = toDrawing ? row.project : row.drawing;
  CompareCell& target = toDrawing ? row.drawing : row.project;
  if (target.text == source.text) return false;
  target.text = source.text;
  target.highlighted = true;
  row.description.highlighted = true;
  return true;
}

int styleBits(const std::wstring& name, const CompareTexts& texts) {
  for (std::size_t i = 0; i < texts.styleNames.size(); ++i)
    if (os::iequals(name, texts.styleNames[i])) return static_cast<int>(i) * 32;
  return -1;
}

void applyCompareRows(const std::vector<CompareRow>& rows, const CompareTexts& texts, VoxCfgDrawingSettings& drawing,
                      VoxCfgDrawingSettings& project) {
  for (const CompareRow& row : rows) {
    applyRow(row, row.drawing, texts, drawing);
    applyRow(row, row.project, texts, project);
  }
}

std::vector<int> changedIndices(const VoxCfgDrawingSettings& before, const VoxCfgDrawingSettings& after) {
  std::vector<int> changed;
  for (int index = 0; index < records::kDrawingSettingCount; ++index)
    if (valueAt(before, index) != valueAt(after, index)) changed.push_back(index);
  return changed;
}

}  // namespace vox::dialogs
