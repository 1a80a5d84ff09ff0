#pragma once
// Replaceable parameters in a text: each "%NAME%" whose name `lookup` knows becomes its value.
// Unknown names are left as they stand, and so is a "%" without a closing one. Values are not
// scanned again.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vox::lispcore {

using ParameterLookup = std::function<std::optional<std::wstring>(const std::wstring& name)>;

std::wstring substituteParameters(std::wstring_view text, const ParameterLookup& lookup);

}  // namespace vox::lispcore
