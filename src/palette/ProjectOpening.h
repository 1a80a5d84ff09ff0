#pragma once
// Opening a project as the palette does it, from its menus and its combo box: a project that has
// the name of another open project in another folder asks whether to close that one first.

#include <string>

namespace vox::palette {

// Opens `path` as the active project; after the same-name question, No opens nothing. False when
// nothing was opened.
bool openProjectAsking(const std::wstring& path);

// Asks for a project file (starting in the active project's folder) and opens it as above.
bool openProjectFromDialog();

}  // namespace vox::palette
