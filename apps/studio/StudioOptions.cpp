#include "StudioOptions.h"

#include <charconv>
#include <map>
#include <string_view>

namespace vox::studio {
namespace {

constexpr int kLargestWindowSide = 10000;

std::optional<int> windowSide(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kLargestWindowSide) return std::nullopt;
  return value;
}

}  // namespace

std::optional<WindowSize> parseWindowSize(const std::string& text) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  const std::optional<int> width = windowSide(std::string_view(text).substr(0, x));
  const std::optional<int> height = windowSide(std::string_view(text).substr(x + 1));
  if (!width || !height) return std::nullopt;
  return WindowSize{*width, *height};
}

ParsedStudioOptions parseStudioOptions(const std::vector<std::string>& args, const StudioOptions& defaults) {
  StudioOptions options = defaults;
  const std::map<std::string, std::string*> paths{{"--module", &options.module},
                                                  {"--resources", &options.resources},
                                                  {"--blocks", &options.blocks}};
  const std::map<std::string, std::optional<std::string>*> optional{{"--open-drawing", &options.openDrawing},
                                                                    {"--open-project", &options.openProject},
                                                                    {"--offscreen-shot", &options.offscreenShot},
                                                                    {"--select-drawing", &options.selectDrawing},
                                                                    {"--context-menu", &options.contextMenu},
                                                                    {"--press-button", &options.pressButton},
                                                                    {"--shot-modal", &options.shotModal}};
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    if (arg == "--show-palette") {
      options.showPalette = true;
      continue;
    }
    if (arg == "--run") {
      if (i + 1 >= args.size()) return {std::nullopt, arg + " needs a value"};
      options.runLines.push_back(args[++i]);
      continue;
    }
    if (arg == "--window-size") {
      if (i + 1 >= args.size()) return {std::nullopt, arg + " needs a value"};
      options.windowSize = parseWindowSize(args[++i]);
      if (!options.windowSize) return {std::nullopt, arg + " wants WIDTHxHEIGHT, not " + args[i]};
      continue;
    }
    const auto path = paths.find(arg);
    const auto value = optional.find(arg);
    // Qt's own options (-platform, -style, ...) are left to Qt.
    if (path == paths.end() && value == optional.end()) {
      if (arg.rfind("--", 0) == 0) return {std::nullopt, "unknown argument: " + arg};
      continue;
    }
    if (i + 1 >= args.size()) return {std::nullopt, arg + " needs a value"};
    if (path != paths.end()) *path->second = args[++i];
    if (value != optional.end()) *value->second = args[++i];
  }
  return {options, {}};
}

const char* studioUsageText() {
  return "usage: voxfolio-studio [--open-drawing FILE] [--open-project FILE.wdp] [--show-palette]\n"
         "                       [--run LINE]... [--select-drawing NAME] [--offscreen-shot FILE.png]\n"
         "                       [--context-menu NAME] [--press-button NAME] [--shot-modal FILE.png]\n"
         "                       [--window-size WIDTHxHEIGHT] [--module LIB] [--resources DIR] [--blocks DIR]\n"
         "The desktop host with the VoxFolio module loaded: drawings in windows, the command line and\n"
         "the project palette. At start it opens the drawing, then opens the project and makes it\n"
         "active, then shows the palette, then types each --run LINE on the command line, then selects\n"
         "the drawing NAME (its file name) in the palette's tree, as asked. --offscreen-shot runs\n"
         "without a display, saves a picture of the main window to FILE once that is done, prints FILE\n"
         "and exits.\n"
         "After selecting, --context-menu right-clicks the node NAME (a drawing's file name or a\n"
         "project's name) in the tree and --press-button presses the palette's tool button NAME\n"
         "(new-project, new-drawing, refresh, task-list, resequence, display-config, publish, help).\n"
         "--shot-modal runs without a display too: the first dialog or menu that opens meanwhile is\n"
         "saved to FILE and closed as Cancel; the run then goes on (to --offscreen-shot when given),\n"
         "prints FILE and exits. --window-size sets the main window's size.\n";
}

}  // namespace vox::studio
