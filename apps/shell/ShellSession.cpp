#include "ShellSession.h"

#include <iostream>

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

ShellSession::ShellSession(const ShellOptions& options, HcInteraction& interaction) : options_(options) {
  platform::ReferenceHostOptions hostOptions;
  hostOptions.clock = runtime::HeadlessEventLoop::Clock::kReal;
  hostOptions.settingsFolder = settingsFolderOrDefault();
  hostOptions.resourcesFolder = options.resources;
  hostOptions.interaction = &interaction;
  hostOptions.blockLibraryFolder = options.blocks;
  host_ = std::make_unique<platform::ReferenceHost>(hostOptions);
  host_->runtime().commandLine().setOutput(writeOut);
  documentLoads_ = std::make_unique<DocumentLoads>(module_, host_->runtime().loop());
  host_->runtime().documents().addReactor(documentLoads_.get());
}

ShellSession::~ShellSession() {
  module_.unload();
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

int ShellSession::run(std::istream& input) {
  std::string bytes;
  while (std::getline(input, bytes)) {
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
    const std::wstring line = os::decodeFileName(bytes);
    if (os::iequals(line, L"QUIT") || os::iequals(line, L"EXIT")) break;
    host_->runtime().commandLine().queue(nullptr, line + L"\n", true);
    runLoopUntilIdle();
  }
  writeOut(L"\n");
  return 0;
}

}  // namespace vox::shell
