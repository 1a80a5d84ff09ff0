#pragma once
// Texts of the module's catalog with inserts: each "%s" of the pattern takes the next insert in
// order ("%%" is a percent sign; a "%s" without an insert becomes empty). Inserts are never read
// as patterns, so a path holding "%" shows as it is.

#include <string>
#include <vector>

namespace vox::host {

std::wstring formatText(const std::wstring& pattern, const std::vector<std::wstring>& inserts);
// Resource string `id` with its inserts.
std::wstring resourceText(unsigned id, const std::vector<std::wstring>& inserts = {});

}  // namespace vox::host
