#pragma once
// What the new-drawing dialog's drop-down lists offer, gathered from the project's drawing list
// in project order. A text equal to one already offered, ignoring letter case, is offered once;
// each list is built in one pass over the entries, so projects of many thousand drawings open
// the dialog at once.

#include <cstddef>
#include <string>
#include <vector>

#include "records/VoxPrmFileDetails.h"

namespace vox::dialogs {

inline constexpr std::size_t kMaxDescriptionLength = 256;

// Every description line of every drawing: a line blank after trimming is skipped; a line is
// offered untrimmed, cut to kMaxDescriptionLength characters.
std::vector<std::wstring> offeredDescriptions(const std::vector<VoxPrmFileDetails>& entries);

// The drawings' sections (or sub-sections), trimmed; blank ones skipped.
std::vector<std::wstring> offeredSections(const std::vector<VoxPrmFileDetails>& entries);
std::vector<std::wstring> offeredSubSections(const std::vector<VoxPrmFileDetails>& entries);

}  // namespace vox::dialogs
