#pragma once
// The whole headless reference host, put together: the runtime (loop, documents, editor,
// commands, command line, system variables), the LISP interpreter on the command line, the
// settings store, the message catalog, an interaction service, and (unless left out) the LISP
// core and sibling stand-ins. While it lives it is the module's host runtime and its siblings.
// The shell and the integration tests build one of these.

#include <memory>
#include <string>

#include "platform/interaction/FileMessageCatalog.h"
#include "platform/lisp/Interpreter.h"
#include "host/HcModuleHost.h"
#include "platform/assembly/LockerLockBackend.h"
#include "platform/lispcore/LispCore.h"
#include "platform/runtime/HeadlessHost.h"
#include "platform/settings/JsonSettingsStore.h"
#include "platform/siblings/SiblingStandIns.h"

namespace vox::platform {

struct ReferenceHostOptions {
  runtime::HeadlessEventLoop::Clock clock = runtime::HeadlessEventLoop::Clock::kReal;
  HcEventLoop* loop = nullptr;  // borrowed; the app's own main loop instead of the host's
  std::string settingsFolder;   // native folder of registry.json
  std::string resourcesFolder;  // native folder that holds resources/voxfolio-messages.txt
  HcInteraction* interaction = nullptr;  // borrowed; null asks nobody
  HcUiHost* ui = nullptr;                // borrowed; null shows nothing
  HcEditorInput* input = nullptr;        // borrowed; null answers no pick
  // The LISP core and the sibling modules' stand-ins; without them the interpreter knows only
  // its built-ins and no sibling is installed (tests that stand in for them one by one).
  bool standIns = true;
  std::string userFolder;          // native; the core's user folder and the usage log (default: settings folder/user)
  std::string blockLibraryFolder;  // native folder of the block library; empty: no blocks
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
  // What a module loaded as a shared library needs of this host.
  HcModuleHost moduleHost() const;
  // Null when built without stand-ins.
  lispcore::LispCore* lispCore() { return lispCore_.get(); }
  siblings::SiblingStandIns* siblings() { return siblings_.get(); }

 private:
  class DocumentReactor;
  void installStandIns(const ReferenceHostOptions& options);

  settings::JsonSettingsStore settings_;
  interaction::FileMessageCatalog messages_;
  std::unique_ptr<runtime::HeadlessHost> runtime_;
  std::unique_ptr<lisp::Interpreter> lisp_;
  std::unique_ptr<DocumentReactor> documentReactor_;
  std::unique_ptr<lispcore::LispCore> lispCore_;
  HcFileMonitorFactory monitorFactory_;
  std::unique_ptr<LockerLockBackend> projectLocks_;
  std::unique_ptr<siblings::SiblingStandIns> siblings_;
};

}  // namespace vox::platform
