#pragma once
// The command line of voxfolio-shell.

#include <optional>
#include <string>
#include <vector>

namespace vox::shell {

struct ShellOptions {
  std::optional<std::string> script;   // --script FILE: input lines instead of the terminal
  std::optional<std::string> answers;  // --answers FILE: dialog answers instead of the terminal
  std::string module;                  // --module FILE: the module's shared library
  std::string resources;               // --resources FOLDER: holds resources/voxfolio-messages.txt
  std::string blocks;                  // --blocks FOLDER: the block library
  bool trace = false;                  // --trace: as "trace on" at the start
  bool help = false;
};

// The options, or an error text for a bad command line.
struct ParsedOptions {
  std::optional<ShellOptions> options;
  std::string error;
};
ParsedOptions parseOptions(const std::vector<std::string>& args, const ShellOptions& defaults);

const char* usageText();

}  // namespace vox::shell
