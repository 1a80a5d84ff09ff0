#pragma once
// Generated project files for the benchmarks, in a temporary folder removed at exit. Each
// drawing has a section, a sub-section and two descriptions.

#include <string>

#include "records/VoxPrmProjectData.h"

namespace vox::bench {

// Native and module paths of a file in the benchmark folder.
std::string nativePath(const std::string& name);
std::wstring modulePath(const std::string& name);

// A project of `drawings` drawings.
VoxPrmProjectData generateProject(int drawings);
// The name of a project file of `drawings` drawings in the folder, written on first use;
// `name` picks a file of its own.
std::string projectFile(int drawings, const std::string& name = {});

}  // namespace vox::bench
