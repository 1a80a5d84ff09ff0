#pragma once
// The flag word of drawing setting 50 ("MISC_FLAGS"): an integer written in decimal whose bits
// belong to different property pages. A page changes only the bits it owns and keeps the rest.

#include <string>

class VoxCfgDrawingSettings;

namespace vox::dialogs {

inline constexpr int kMiscFlagsIndex = 50;

// The bits each page owns.
inline constexpr int kFlagScaleMmFullSize = 1;      // Drawing Format, scale
inline constexpr int kFlagIgnoreLayer0 = 2;         // Drawing Format, layers
inline constexpr int kFlagPlcAddressWireNums = 4;   // Wire Numbers
inline constexpr int kFlagSuppressLineRefs = 8;     // Drawing Format, ladder defaults
inline constexpr int kFlagSearchPlcAddress = 16;    // Components
inline constexpr int kFlagWireTeeStyle = 32 | 64;   // Styles: a two-bit wire tee-marker style

// The word held by `settings`, or `fallback` when setting 50 is unset. The leading integer of
// the text counts; a text without one gives 0.
int miscFlags(const VoxCfgDrawingSettings& settings, int fallback = 0);

// `word` with the bits of `mask` replaced by those of `bits` (bits outside `mask` are ignored).
int withBits(int word, int mask, int bits);

// Replaces the bits of `mask` in the word of `settings` (starting from `fallback` when the word
// is unset) and writes the word back with "%d".
void storeFlagBits(VoxCfgDrawingSettings& settings, int mask, int bits, int fallback);

}  // namespace vox::dialogs
