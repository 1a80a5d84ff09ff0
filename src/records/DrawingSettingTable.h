#pragma once
// Fixed facts about the 77 drawing settings: the attribute tag each one has in a drawing's
// "WD_M" block, how it is labelled where settings are listed for the user, and which settings
// belong to one drawing only.

#include <string_view>

namespace vox::records {

inline constexpr int kDrawingSettingCount = 77;

// Index 26 ("WIRELAYS") holds a comma-separated list of layer names.
inline constexpr int kWireLayersIndex = 26;

struct DrawingSettingInfo {
  std::wstring_view tag;
  std::wstring_view altTag;     // a second tag some drawings use; empty for most settings
  std::wstring_view labelKey;   // message key of the label; empty when the label is fixed
  std::wstring_view labelText;  // the label, or its default when the key's lookup gives nothing
};

// The facts of the setting at `index`, or nullptr for an index outside 0..76.
const DrawingSettingInfo* drawingSettingInfo(int index);

// True for the settings that describe a single drawing (13, 46, 51, 52, 53); they are never
// compared or copied between a drawing and its project.
bool isDrawingSpecificIndex(int index);

}  // namespace vox::records
