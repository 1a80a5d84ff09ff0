#include "dialogs/MiscFlagBits.h"

#include "records/NumberText.h"
#include "records/VoxCfgDrawingSettings.h"

namespace vox::dialogs {

int miscFlags(const VoxCfgDrawingSettings& settings, int fallback) {
  std::wstring text;
  if (settings.getValue(kMiscFlagsIndex, text) != VoxCfgDrawingSettings::kOk) return fallback;
  return records::parseLeadingInt(text);
}

int withBits(int word, int mask, int bits) { return (word & ~mask) | (bits & mask); }

void storeFlagBits(VoxCfgDrawingSettings& settings, int mask, int bits, int fallback) {
  const std::wstring text = records::formatInt(withBits(miscFlags(settings, fallback), mask, bits));
  settings.setValue(kMiscFlagsIndex, &text);
}

}  // namespace vox::dialogs
