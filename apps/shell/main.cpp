// voxfolio-shell: the headless reference host with the VoxFolio module loaded.

#include <unistd.h>

#include <fstream>
#include <iostream>

#include "ShellOptions.h"
#include "ShellSession.h"
#include "platform/os/NativePath.h"

namespace {

// The answers file: one answer per line.
bool loadAnswers(const std::string& path, std::vector<std::wstring>& lines) {
  std::ifstream in(path);
  if (!in) return false;
  std::string bytes;
  while (std::getline(in, bytes)) {
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
    lines.push_back(vox::os::decodeFileName(bytes));
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  vox::shell::ShellOptions defaults;
  defaults.module = VOX_MODULE_PATH;
  defaults.resources = VOX_RESOURCES_DIR;
  defaults.blocks = VOX_BLOCKS_DIR;
  const vox::shell::ParsedOptions parsed = vox::shell::parseOptions({argv + 1, argv + argc}, defaults);
  if (!parsed.options || parsed.options->help) {
    if (!parsed.error.empty()) std::cerr << "voxfolio-shell: " << parsed.error << "\n";
    std::cerr << vox::shell::usageText();
    return parsed.options ? 0 : 2;
  }
  const vox::shell::ShellOptions& options = *parsed.options;

  std::vector<std::wstring> answers;
  if (options.answers && !loadAnswers(*options.answers, answers)) {
    std::cerr << "voxfolio-shell: cannot read the answers file " << *options.answers << "\n";
    return 2;
  }
  std::ifstream script;
  if (options.script) {
    script.open(*options.script);
    if (!script) {
      std::cerr << "voxfolio-shell: cannot read the script " << *options.script << "\n";
      return 2;
    }
  }
  std::istream& input = options.script ? static_cast<std::istream&>(script) : std::cin;
  const bool interactive = !options.script && ::isatty(STDIN_FILENO) != 0;
  vox::shell::ShellSession session(options, input, interactive, answers);
  if (!session.start()) return 1;
  return session.run();
}
