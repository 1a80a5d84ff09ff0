#pragma once
// Number <-> text conversions of the settings records. They never consult the process locale:
// the decimal point is always '.', and there are no digit groupings.

#include <string>
#include <string_view>

namespace vox::records {

// The leading decimal integer of `text`: leading blanks, an optional sign, then digits, stopping
// at the first other character. No digits gives 0; values beyond the 32-bit range saturate.
int parseLeadingInt(std::wstring_view text);

// The leading floating point number of `text` after leading blanks: optional sign, digits with
// an optional '.', an optional exponent, or "inf"/"nan". No number gives 0; a magnitude beyond
// the range of double gives infinity, one below it gives 0.
double parseLeadingDouble(std::wstring_view text);

// "%d".
std::wstring formatInt(int value);

// "%f": fixed notation with six decimals.
std::wstring formatFixed(double value);

}  // namespace vox::records
