// voxfolio-shell: the headless reference host with the VoxFolio module loaded.

#include <fstream>
#include <iostream>

#include "ShellOptions.h"
#include "ShellSession.h"
#include "platform/interaction/ScriptedInteraction.h"
#include "platform/interaction/StreamInteraction.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/NativePath.h"

namespace {

// One answer per line: a button name, or a path or text for choosers and prompts ("-": none).
bool loadAnswers(const std::string& path, vox::interaction::ScriptedInteraction& answers) {
  std::ifstream in(path);
  if (!in) return false;
  const std::pair<const wchar_t*, HcAnswer> buttons[] = {
      {L"OK", HcAnswer::kOk}, {L"Cancel", HcAnswer::kCancel}, {L"Yes", HcAnswer::kYes}, {L"No", HcAnswer::kNo},
      {L"Retry", HcAnswer::kRetry}};
  std::string bytes;
  while (std::getline(in, bytes)) {
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
    const std::wstring line = vox::os::decodeFileName(bytes);
    bool button = false;
    for (const auto& [name, answer] : buttons) {
      if (vox::os::iequals(line, name)) {
        answers.queueAnswer(answer);
        button = true;
      }
    }
    if (!button) answers.queueReply(line == L"-" ? std::nullopt : std::optional<std::wstring>(line));
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

  vox::interaction::ScriptedInteraction scripted;
  vox::interaction::StreamInteraction terminal(std::cin, std::cout);
  if (options.answers && !loadAnswers(*options.answers, scripted)) {
    std::cerr << "voxfolio-shell: cannot read the answers file " << *options.answers << "\n";
    return 2;
  }
  HcInteraction& interaction = options.answers ? static_cast<HcInteraction&>(scripted) : terminal;

  std::ifstream script;
  if (options.script) {
    script.open(*options.script);
    if (!script) {
      std::cerr << "voxfolio-shell: cannot read the script " << *options.script << "\n";
      return 2;
    }
  }
  vox::shell::ShellSession session(options, interaction);
  if (!session.start()) return 1;
  return session.run(options.script ? static_cast<std::istream&>(script) : std::cin);
}
