#pragma once
// The reference host without a window: it owns the loop, the documents, the editor, the command
// stack, the command line, the system variables and the host services, and installs them (with
// the LISP host, settings store, interaction service and message catalog it is given) as the
// module's host runtime for its lifetime. Used by the shell and by every integration test.
// An app with a loop of its own (the studio's Qt loop) passes it in: documents, the command line
// and the module then run on that loop, and the host's own loop stays idle.

#include <memory>

#include "host/HcHostRuntime.h"
#include "platform/runtime/CommandLine.h"
#include "platform/runtime/HeadlessCommandStack.h"
#include "platform/runtime/HeadlessDocuments.h"
#include "platform/runtime/HeadlessEditor.h"
#include "platform/runtime/HeadlessEventLoop.h"
#include "platform/runtime/HeadlessHostServices.h"
#include "platform/runtime/SystemVariables.h"

namespace vox::runtime {

// The services that come from elsewhere in the platform; each is optional.
struct HostParts {
  HcLispHost* lisp = nullptr;
  HcSettingsStore* settings = nullptr;
  HcInteraction* interaction = nullptr;
  HcMessageCatalog* messages = nullptr;
  HcUiHost* ui = nullptr;
  HcEditorInput* input = nullptr;
};

class HeadlessHost {
 public:
  // `mainLoop` (borrowed, outliving the host) replaces the host's own loop; null keeps it.
  HeadlessHost(HeadlessEventLoop::Clock clock, const HostParts& parts, HcEventLoop* mainLoop = nullptr);
  ~HeadlessHost();
  HeadlessHost(const HeadlessHost&) = delete;
  HeadlessHost& operator=(const HeadlessHost&) = delete;

  // Replaces one of the optional parts (the runtime is installed again).
  void setParts(const HostParts& parts);

  // The host's own loop (idle when another main loop was given).
  HeadlessEventLoop& loop() { return loop_; }
  // The loop everything runs on: the one given, else the host's own.
  HcEventLoop& mainLoop() { return *mainLoop_; }
  HeadlessDocManager& documents() { return documents_; }
  HeadlessEditor& editor() { return editor_; }
  HeadlessCommandStack& commands() { return commands_; }
  CommandLine& commandLine() { return commandLine_; }
  SystemVariables& variables() { return variables_; }
  HeadlessHostServices& services() { return services_; }
  HeadlessDynamicLinker& linker() { return linker_; }

 private:
  void install();

  HeadlessEventLoop loop_;
  HcEventLoop* mainLoop_;
  HeadlessEditor editor_;
  HeadlessCommandStack commands_;
  CommandLine commandLine_;
  HeadlessDocManager documents_;
  SystemVariables variables_;
  HeadlessHostServices services_;
  HeadlessDynamicLinker linker_;
  HeadlessSystemRegistry registry_;
  HostParts parts_;
};

}  // namespace vox::runtime
