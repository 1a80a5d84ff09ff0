#pragma once
// The pages show pictures drawn for horizontal or vertical ladders. The sheet reads the ladder
// orientation (drawing setting 0, "RUNGHORV") once when it opens; "V" in either case selects
// the vertical pictures.

#include <string>

class VoxCfgDrawingSettings;

namespace vox::dialogs {

// True when setting 0 of `settings` is "V" or "v".
bool isVerticalLadder(const VoxCfgDrawingSettings& settings);

// The picture resource for `base` ("LADDER"): "LADDER_VERT_BMP" or "LADDER_HORZ_BMP".
std::wstring ladderPicture(const std::wstring& base, bool vertical);

}  // namespace vox::dialogs
