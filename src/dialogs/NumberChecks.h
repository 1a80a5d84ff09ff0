#pragma once
// Whether the text of a numeric dialog field holds a number. Blanks around the text are allowed;
// anything else after the number is not, so "1.5x" is refused where a leading-number parse would
// quietly keep 1.5. The decimal point is always '.', whatever the locale.

#include <string_view>

namespace vox::dialogs {

// A finite real number: optional sign, digits with an optional '.', optional exponent; at least
// one digit. "inf", "nan" and the empty text are refused.
bool isRealNumber(std::wstring_view text);

// A whole decimal number that fits in 32 bits: optional sign, then digits.
bool isWholeNumber(std::wstring_view text);

// One or more real numbers separated by commas ("0.0,0.5,0").
bool isRealList(std::wstring_view text);

}  // namespace vox::dialogs
