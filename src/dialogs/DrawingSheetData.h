#pragma once
// What the drawing properties sheet edits besides the drawing settings: the drawing's ten title
// values, its entry in its project (when it has one and the project could be locked) and the
// lists of its frozen and thawed layers; plus what the sheet only shows.

#include <optional>
#include <string>
#include <vector>

#include "core/DrawingSettingsBlock.h"
#include "records/VoxPrmFileDetails.h"

namespace vox::dialogs {

struct DrawingSheetData {
  std::wstring fileName;     // the drawing's file name, shown
  std::wstring projectName;  // the project's pretty name, shown; empty without a project
  core::TitleValues titles;
  std::optional<VoxPrmFileDetails> entry;  // none: no entry is read or written
  std::vector<std::wstring> frozenLayers;  // the current layer is in neither list
  std::vector<std::wstring> thawedLayers;
  bool operator==(const DrawingSheetData&) const = default;
};

// Title value positions.
inline constexpr std::size_t kTitleDescription1 = 0;
inline constexpr std::size_t kTitleProjectCode = 3;
inline constexpr std::size_t kTitleInstallation = 4;
inline constexpr std::size_t kTitleLocation = 5;
inline constexpr std::size_t kTitleSheet = 6;
inline constexpr std::size_t kTitleDrawing = 7;
inline constexpr std::size_t kTitleSection = 8;
inline constexpr std::size_t kTitleSubSection = 9;

// The entry's description lines after the sheet's three description fields replaced the first
// three: lines beyond the third are kept, then trailing empty lines are dropped, while an empty
// line before a non-empty one stays ("A", "", "C" give three lines; "A", "", "" give one).
std::vector<std::wstring> rebuildDescriptions(const std::vector<std::wstring>& current,
                                              const std::wstring& line1, const std::wstring& line2,
                                              const std::wstring& line3);

}  // namespace vox::dialogs
