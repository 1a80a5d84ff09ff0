#pragma once
// Writing a new project file: what it holds and the folders it needs.
//
// The new project takes everything from a source project file except its drawings: the misc
// project settings and the default drawing settings, with the given description lines in place
// of the source's and misc setting 9 set to the description flags. A source that cannot be read
// gives the empty record: default settings only.

#include <string>
#include <vector>

#include "records/VoxPrmProjectData.h"

namespace vox::dialogs {

// Misc project setting that keeps the description flags of the new-project dialog.
inline constexpr int kDescriptionFlagsIndex = 9;

struct NewProjectContent {
  std::wstring source;                    // project file whose settings are copied; empty: none
  std::vector<std::wstring> descriptions;  // the project's description lines
  std::wstring descriptionFlags;
};

// The new project's record, the source read through the project filer.
VoxPrmProjectData newProjectData(const NewProjectContent& content);

// Makes the folder with every missing parent; true when it exists afterwards.
bool createFolderChain(const std::wstring& folder);

// Creates the folder of `projectPath` and writes `data` there as a project file (a failure to
// open or write it is reported by the filer). True only when the file was written.
bool writeNewProjectFile(const std::wstring& projectPath, const VoxPrmProjectData& data);

}  // namespace vox::dialogs
