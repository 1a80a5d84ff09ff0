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
    if (arg == "--trace") {
      options.trace = true;
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
  return "usage: voxfolio-shell [--script FILE] [--answers FILE] [--trace] [--module LIB] [--resources DIR]\n"
         "                      [--blocks DIR]\n"
         "Runs the reference host's command line with the VoxFolio module loaded: commands, LISP\n"
         "expressions, OPEN path and CLOSE for drawings, QUIT to end, and the shell's verbs (palette,\n"
         "answer, trace, setvar, getvar, new, docs, popup; see docs/shell-ui.md). Input comes from the\n"
         "script or the terminal; questions, menus and dialogs are answered from the answers file (one\n"
         "answer per line: OK, Cancel, Yes, No, Retry, a path or text, a menu command number, a dialog\n"
         "line such as \"set name Plant\" or \"press ok\"), from \"answer\" lines, or on the terminal.\n"
         "The exit status is 1 when a line failed, 2 for a bad command line or an unreadable file.\n";
}

}  // namespace vox::shell
