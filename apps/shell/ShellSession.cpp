#include "ShellSession.h"

#include <iostream>

#include "platform/interaction/StreamInteraction.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/NativePath.h"
#include "platform/settings/SettingsFolder.h"

namespace vox::shell {
namespace {

std::string settingsFolderOrDefault() {
  return settings::settingsFolder([](const char* name) { return std::getenv(name); }).value_or(".voxfolio");
}

void writeOut(const std::wstring& text) {
  std::cout << os::encodeFileName(text);
  std::cout.flush();
}

}  // namespace

// Announces each new document to the module once it is current.
class ShellSession::DocumentLoads : public HcDocManagerReactor {
 public:
  DocumentLoads(LoadedModule& module, HcEventLoop& loop) : module_(module), loop_(loop) {}
  void documentCreated(HcDocument*) override {
    loop_.post([this] { module_.send(kLoadDwgMsg); });
  }

 private:
  LoadedModule& module_;
  HcEventLoop& loop_;
};

ShellSession::ShellSession(const ShellOptions& options, std::istream& input, bool interactive,
                           const std::vector<std::wstring>& answerLines)
    : options_(options),
      input_(input, interactive),
      // Without an answers file a person at the terminal is asked; not when the terminal's input
      // is itself the script (piped).
      terminal_(options.answers || (!options.script && !interactive)
                    ? nullptr
                    : std::make_unique<interaction::StreamInteraction>(std::cin, std::cout)),
      answers_(&input_, terminal_.get()),
      picks_(answers_, writeOut),
      layouts_(settings::paletteLayoutPathIn(settingsFolderOrDefault())),
      ui_(writeOut, answers_, &layouts_) {
  for (const std::wstring& line : answerLines) answers_.queue(line);
  answers_.setOutput(writeOut);
  platform::ReferenceHostOptions hostOptions;
  hostOptions.clock = runtime::HeadlessEventLoop::Clock::kReal;
  hostOptions.settingsFolder = settingsFolderOrDefault();
  hostOptions.resourcesFolder = options.resources;
  hostOptions.interaction = &answers_;
  hostOptions.ui = &ui_;
  hostOptions.input = &picks_;
  hostOptions.blockLibraryFolder = options.blocks;
  host_ = std::make_unique<platform::ReferenceHost>(hostOptions);
  host_->runtime().commandLine().setOutput(writeOut);
  documentLoads_ = std::make_unique<DocumentLoads>(module_, host_->runtime().loop());
  host_->runtime().documents().addReactor(documentLoads_.get());
  verbs_ = std::make_unique<ShellVerbs>(*host_, ui_, answers_);
  if (options.trace) verbs_->setTrace(true);
}

ShellSession::~ShellSession() {
  module_.unload();
  verbs_.reset();
  host_->runtime().documents().removeReactor(documentLoads_.get());
  host_->runtime().commandLine().setOutput({});
}

bool ShellSession::start() {
  if (module_.load(options_.module, host_->moduleHost())) return true;
  std::cerr << "voxfolio-shell: " << module_.error() << "\n";
  return false;
}

void ShellSession::runLoopUntilIdle() {
  runtime::HeadlessEventLoop& loop = host_->runtime().loop();
  while (loop.runPending() > 0) {
  }
  loop.runOnce(0);  // what the file monitor has seen meanwhile
  while (loop.runPending() > 0) {
  }
}

int ShellSession::run() {
  while (std::optional<std::wstring> line = input_.take()) {
    if (os::iequals(*line, L"QUIT") || os::iequals(*line, L"EXIT")) break;
    const ShellVerbs::Outcome outcome = verbs_->run(*line, [this](const std::wstring& verbLine) {
      host_->runtime().commandLine().print(L"Command: " + verbLine + L"\n");
    });
    if (outcome == ShellVerbs::Outcome::kRefused) failed_ = true;
    if (outcome == ShellVerbs::Outcome::kNotAVerb) host_->runtime().commandLine().queue(nullptr, *line + L"\n", true);
    runLoopUntilIdle();
  }
  writeOut(L"\n");
  return failed_ || host_->runtime().commandLine().failures() > 0 ? 1 : 0;
}

}  // namespace vox::shell
