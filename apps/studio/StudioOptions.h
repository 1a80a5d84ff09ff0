#pragma once
// The command line of voxfolio-studio.

#include <optional>
#include <string>
#include <vector>

namespace vox::studio {

struct StudioOptions {
  std::string module;     // --module FILE: the module's shared library
  std::string resources;  // --resources FOLDER: holds resources/voxfolio-messages.txt
  std::string blocks;     // --blocks FOLDER: the block library
  std::optional<std::string> openDrawing;   // --open-drawing FILE: opened at start
  std::optional<std::string> openProject;   // --open-project FILE: opened and made active at start
  bool showPalette = false;                 // --show-palette: Voxnav at start
  std::vector<std::string> runLines;        // --run LINE (repeatable): typed on the command line next
  std::optional<std::string> selectDrawing;  // --select-drawing NAME: its node selected in the palette
  std::optional<std::string> offscreenShot;  // --offscreen-shot FILE: run offscreen, save a PNG, exit
  bool help = false;
};

struct ParsedStudioOptions {
  std::optional<StudioOptions> options;
  std::string error;
};
ParsedStudioOptions parseStudioOptions(const std::vector<std::string>& args, const StudioOptions& defaults);

const char* studioUsageText();

}  // namespace vox::studio
