#pragma once
// The rows of a project's scratch database as a project monitor would write them: one per
// drawing entry, from the drawing's title values (custom properties "Sheet", "Drawing",
// "Installation Code" and "Location Code").

#include <string>
#include <vector>

#include "platform/siblings/ScratchDatabase.h"

namespace vox::tools {

// The rows for the drawings of `projectPath` (a module path); drawings that cannot be read are
// named in `problems` and get no row. False with `problems` holding why when the project
// cannot be read.
bool scratchRowsOfProject(const std::wstring& projectPath, std::vector<siblings::ScratchRow>& rows,
                          std::vector<std::wstring>& problems);

// Makes the drawing path of every row that lies below `folder` (a module path) relative to it,
// as a database shipped in that folder keeps them; other rows stay as they are.
void makeRelativeTo(std::vector<siblings::ScratchRow>& rows, const std::wstring& folder);

}  // namespace vox::tools
