#pragma once
// A readable listing of a project's content: description lines, set project-wide settings,
// set default drawing settings with their tags, and the drawing entries in project order.

#include <string>

#include "records/VoxPrmProjectData.h"

namespace vox::tools {

std::wstring dumpProject(const std::wstring& projectPath, const VoxPrmProjectData& data);

}  // namespace vox::tools
