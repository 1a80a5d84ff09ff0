#pragma once
// The "VoxNewProject" command: the new-project dialog, then the new project opened as active.
//
// 1. The dialog runs with the module's resources. OK writes the new project file; while that
//    fails, the dialog is shown again with what the user entered. Cancel ends the command.
// 2. When an open project has the new project's name, the user is asked whether to close it;
//    No opens nothing. Otherwise (or on Yes) the new project is opened and made active.
// 3. When the dialog was closed with OK-and-properties and the project opened, the project
//    properties command follows at once.

namespace vox::module {

// The command; true when a new project was written and opened.
bool runNewProject();

}  // namespace vox::module
