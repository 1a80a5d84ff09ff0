#include "StudioOptions.h"

#include <map>

namespace vox::studio {

ParsedStudioOptions parseStudioOptions(const std::vector<std::string>& args, const StudioOptions& defaults) {
  StudioOptions options = defaults;
  const std::map<std::string, std::string*> paths{{"--module", &options.module},
                                                  {"--resources", &options.resources},
                                                  {"--blocks", &options.blocks}};
  const std::map<std::string, std::optional<std::string>*> optional{{"--open-drawing", &options.openDrawing},
                                                                    {"--open-project", &options.openProject},
                                                                    {"--offscreen-shot", &options.offscreenShot},
                                                                    {"--select-drawing", &options.selectDrawing}};
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
         "                       [--module LIB] [--resources DIR] [--blocks DIR]\n"
         "The desktop host with the VoxFolio module loaded: drawings in windows, the command line and\n"
         "the project palette. At start it opens the drawing, then opens the project and makes it\n"
         "active, then shows the palette, then types each --run LINE on the command line, then selects\n"
         "the drawing NAME (its file name) in the palette's tree, as asked. --offscreen-shot runs\n"
         "without a display, saves a picture of the main window to FILE once that is done, prints FILE\n"
         "and exits.\n";
}

}  // namespace vox::studio
