#pragma once
// The command line of voxfolio-studio.

#include <optional>
#include <string>
#include <vector>

namespace vox::studio {

// The main window's size in pixels.
struct WindowSize {
  int width = 0;
  int height = 0;
  bool operator==(const WindowSize&) const = default;
};

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
  // Pictures of what the start opens, for the user guide:
  std::optional<std::string> contextMenu;  // --context-menu NAME: right click on that node of the tree
  std::optional<std::string> pressButton;  // --press-button NAME: that tool button of the palette pressed
  std::optional<std::string> shotModal;    // --shot-modal FILE: the first dialog or menu saved as a PNG, cancelled
  std::optional<WindowSize> windowSize;    // --window-size WIDTHxHEIGHT: the main window's size at start
  bool help = false;
};

struct ParsedStudioOptions {
  std::optional<StudioOptions> options;
  std::string error;
};
// "1000x640" as a size; none for anything else (a size must be at least 1 and at most 10000).
std::optional<WindowSize> parseWindowSize(const std::string& text);
ParsedStudioOptions parseStudioOptions(const std::vector<std::string>& args, const StudioOptions& defaults);

const char* studioUsageText();

}  // namespace vox::studio
