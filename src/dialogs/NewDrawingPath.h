#pragma once
// Where a new drawing goes: its file name from what the user typed, the full path from the
// name and the location (the project's folder when the location is empty), and whether that
// path is one the host can create and the command can hand on. Pure functions, no file access.

#include <string>

namespace vox::dialogs {

// The typed name with ".dwg" added unless it already ends in ".dwg" (ignoring case): "A12"
// gives "A12.dwg", "A12.dwg" stays, "A12.old" gives "A12.old.dwg", "A12." gives "A12.dwg".
// Blanks around the name are dropped first; an empty name stays empty.
std::wstring drawingFileName(const std::wstring& typedName);

// The location (else `projectFolder` when it is empty) and the drawing file name joined by one
// "\" ("/" taken as "\"). Empty when the name is empty, or both the location and the project
// folder are.
std::wstring composeDrawingPath(const std::wstring& typedName, const std::wstring& location,
                                const std::wstring& projectFolder);

// True when `path` is absolute, names a file (no empty or "."/".." component, no character a
// file name cannot hold: control characters and " * ? < > | or a ":" after the drive) and
// equals its fully qualified form ignoring case.
bool isQualifiedDrawingPath(const std::wstring& path, const std::wstring& currentFolder);

}  // namespace vox::dialogs
