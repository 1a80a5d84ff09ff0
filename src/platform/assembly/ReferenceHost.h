#pragma once
// The whole headless reference host, put together: the runtime (loop, documents, editor,
// commands, command line, system variables), the LISP interpreter on the command line, the
// settings store, the message catalog and an interaction service. While it lives it is the
// module's host runtime. The shell and the integration tests build one of these.

#include <memory>
#include <string>

#include "platform/interaction/FileMessageCatalog.h"
#include "platform/lisp/Interpreter.h"
#include "platform/runtime/HeadlessHost.h"
#include "platform/settings/JsonSettingsStore.h"

namespace vox::platform {

struct ReferenceHostOptions {
  runtime::HeadlessEventLoop::Clock clock = runtime::HeadlessEventLoop::Clock::kReal;
  std::string settingsFolder;   // native folder of registry.json
  std::string resourcesFolder;  // native folder that holds resources/voxfolio-messages.txt
  HcInteraction* interaction = nullptr;  // borrowed; null asks nobody
};

class ReferenceHost {
 public:
  explicit ReferenceHost(const ReferenceHostOptions& options);
  ~ReferenceHost();
  ReferenceHost(const ReferenceHost&) = delete;
  ReferenceHost& operator=(const ReferenceHost&) = delete;

  runtime::HeadlessHost& runtime() { return *runtime_; }
  lisp::Interpreter& lisp() { return *lisp_; }
  settings::JsonSettingsStore& settings() { return settings_; }
  interaction::FileMessageCatalog& messages() { return messages_; }

 private:
  class DocumentReactor;

  settings::JsonSettingsStore settings_;
  interaction::FileMessageCatalog messages_;
  std::unique_ptr<runtime::HeadlessHost> runtime_;
  std::unique_ptr<lisp::Interpreter> lisp_;
  std::unique_ptr<DocumentReactor> documentReactor_;
};

}  // namespace vox::platform
