#include "dialogs/LadderPictures.h"

#include "platform/os/CaseMapping.h"
#include "records/VoxCfgDrawingSettings.h"

namespace vox::dialogs {

bool isVerticalLadder(const VoxCfgDrawingSettings& settings) {
  std::wstring orientation;
  return settings.getValue(0, orientation) == VoxCfgDrawingSettings::kOk && os::iequals(orientation, L"V");
}

std::wstring ladderPicture(const std::wstring& base, bool vertical) {
  return base + (vertical ? L"_VERT_BMP" : L"_HORZ_BMP");
}

}  // namespace vox::dialogs
