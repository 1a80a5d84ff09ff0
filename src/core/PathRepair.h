#pragma once
// Finding drawings of a project whose recorded absolute paths no longer exist, and re-pointing
// them to a folder that holds files of the same names. Relative entries count as found.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/VoxPrmFileDetails.h"

namespace vox::core {

using FileExists = std::function<bool(const std::wstring& path)>;

// Every absolute entry's file name exists in `folder` (whether the entry's own path exists does
// not matter).
bool allFoundAtPath(const std::vector<VoxPrmFileDetails>& entries, const std::wstring& folder, const FileExists& exists);

// Each absolute entry that does not exist gets `folder` + its file name when that exists. True
// when every missing entry could be re-pointed.
bool repairPaths(std::vector<VoxPrmFileDetails>& entries, const std::wstring& folder, const FileExists& exists);

// The index of the first absolute entry at or after `from` whose path does not exist.
std::optional<std::size_t> firstMissing(const std::vector<VoxPrmFileDetails>& entries, std::size_t from,
                                        const FileExists& exists);

}  // namespace vox::core
