#pragma once
// Comma-separated lists of names, such as the wire layer list of drawing setting 26. Elements
// are compared ignoring letter case and without the blanks around them; elements that are empty
// after trimming do not count.

#include <string>
#include <string_view>
#include <vector>

namespace vox::records {

// The list's elements in order, trimmed, without empty ones.
std::vector<std::wstring> listElements(std::wstring_view list);

// True when `elements` holds `element`, ignoring letter case.
bool containsElement(const std::vector<std::wstring>& elements, std::wstring_view element);

}  // namespace vox::records
