#include "ShellOptions.h"

namespace vox::shell {

ParsedOptions parseOptions(const std::vector<std::string>& args, const ShellOptions& defaults) {
  ShellOptions options = defaults;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    const bool takesValue = arg == "--script" || arg == "--answers" || arg == "--module" || arg == "--resources" ||
                            arg == "--blocks";
    if (!takesValue) return {std::nullopt, "unknown argument: " + arg};
    if (i + 1 >= args.size()) return {std::nullopt, arg + " needs a value"};
    const std::string& value = args[++i];
    if (arg == "--script") options.script = value;
    if (arg == "--answers") options.answers = value;
    if (arg == "--module") options.module = value;
    if (arg == "--resources") options.resources = value;
    if (arg == "--blocks") options.blocks = value;
  }
  return {options, {}};
}

const char* usageText() {
  return "usage: voxfolio-shell [--script FILE] [--answers FILE] [--module LIB] [--resources DIR] [--blocks DIR]\n"
         "Runs the reference host's command line with the VoxFolio module loaded: commands, LISP\n"
         "expressions, OPEN path and CLOSE for drawings, QUIT to end. Input comes from the script or\n"
         "the terminal; dialogs are answered from the answers file (one answer per line: OK, Cancel,\n"
         "Yes, No, Retry, or a path or text) or on the terminal.\n";
}

}  // namespace vox::shell
