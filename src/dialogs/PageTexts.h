#pragma once
// Texts of the property pages from the module's catalog: numbered messages of the page checks,
// and named texts for page titles, field labels and choices ("page-components",
// "field-tag-format", "choice-sequential"). A text missing from the catalog shows as its name,
// so it is visible which one is missing.

#include <string>

namespace vox::dialogs {

// Messages of the page checks (resource strings).
inline constexpr unsigned kMsgTagFormatNeedsN = 460;   // the tag format lacks %N; it was reset
inline constexpr unsigned kMsgWireFormatNeedsN = 461;  // the wire number format lacks %N; it was reset
inline constexpr unsigned kMsgNotANumber = 462;        // "%s": the field's label
inline constexpr unsigned kMsgNotAWholeNumber = 463;   // "%s": the field's label
inline constexpr unsigned kMsgNotANumberList = 464;    // "%s": the field's label

// The named text `name`, or `name` itself when the catalog lacks it.
std::wstring pageText(const std::wstring& name);

}  // namespace vox::dialogs
