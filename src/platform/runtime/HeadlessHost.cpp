#include "platform/runtime/HeadlessHost.h"

namespace vox::runtime {

HeadlessHost::HeadlessHost(HeadlessEventLoop::Clock clock, const HostParts& parts, HcEventLoop* mainLoop)
    : loop_(clock),
      mainLoop_(mainLoop != nullptr ? mainLoop : &loop_),
      commandLine_(*mainLoop_, commands_, editor_),
      documents_(*mainLoop_, [this](HcDocument* doc, const std::wstring& text, bool echo) { commandLine_.queue(doc, text, echo); }),
      services_(variables_, commandLine_),
      parts_(parts) {
  commandLine_.setDocuments(&documents_);
  services_.setDocuments(&documents_);
  registry_.add(std::wstring(kHcEditorEntry), &editor_);
  registry_.add(std::wstring(kHcRegisteredCommandsEntry), &commands_);
  variables_.onChanged([this](const std::wstring& name) {
    editor_.notify([&](HcEditorReactor& r) { r.sysVarChanged(name, true); });
  });
  install();
}

HeadlessHost::~HeadlessHost() {
  if (hcHostRuntime().documents == &documents_) hcInstallHostRuntime({});
}

void HeadlessHost::setParts(const HostParts& parts) {
  parts_ = parts;
  install();
}

void HeadlessHost::install() {
  services_.setInteraction(parts_.interaction);
  HcHostRuntime runtime;
  runtime.documents = &documents_;
  runtime.registry = &registry_;
  runtime.lisp = parts_.lisp;
  runtime.services = &services_;
  runtime.linker = &linker_;
  runtime.loop = mainLoop_;
  runtime.settings = parts_.settings;
  runtime.interaction = parts_.interaction;
  runtime.messages = parts_.messages;
  runtime.ui = parts_.ui;
  runtime.input = parts_.input;
  hcInstallHostRuntime(runtime);
}

}  // namespace vox::runtime
