#pragma once
// Creating a new drawing of a project from a template: the template copied to the new path
// (never over an existing file) and made writable, the drawing settings block stamped with the
// project's default drawing settings (asking first when the template has a block of its own),
// the drawing-specific settings and the ten title values set from what the user entered, the
// drawing saved. The project's entry for the drawing is filled, not added: the new-drawing
// command adds it once the host has opened the drawing.

#include <array>
#include <string>

#include "records/VoxPrmFileDetails.h"

namespace vox::dialogs {

// What the new-drawing dialog collected.
struct NewDrawingRequest {
  std::wstring projectID;     // the project whose defaults the drawing gets
  std::wstring fullPath;      // the new drawing
  std::wstring templatePath;  // the template file it is copied from
  std::array<std::wstring, 3> descriptions;
  std::wstring iecProject;
  std::wstring iecInstallation;
  std::wstring iecLocation;
  std::wstring sheet;
  std::wstring drawing;
  std::wstring section;
  std::wstring subSection;
  bool isReference = false;
  bool operator==(const NewDrawingRequest&) const = default;
};

// The entry of the new drawing in its project.
VoxPrmFileDetails newDrawingEntry(const NewDrawingRequest& request);

// Creates the drawing; false, after a message, when the template cannot be copied, the drawing
// cannot be opened, its settings block cannot be written or it cannot be saved (the copied file
// may remain). Title values that cannot be written only bring a warning.
bool createNewDrawing(const NewDrawingRequest& request);

}  // namespace vox::dialogs
