#include "platform/assembly/ReferenceHost.h"

#include <filesystem>

#include "host/HcFileMonitor.h"
#include "host/VoxDbxBlockRef.h"
#include "locking/CurrentIdentity.h"
#include "platform/dwgdb/DrawingDatabase.h"
#include "platform/dwgdb/DrawingFile.h"
#include "platform/monitor/FileMonitorFactory.h"
#include "platform/os/NativePath.h"
#include "platform/settings/RootMapSettings.h"

namespace vox::platform {

// A closed document's LISP globals and functions go with it, so a later document never sees them.
class ReferenceHost::DocumentReactor : public HcDocManagerReactor {
 public:
  explicit DocumentReactor(lisp::Interpreter& lisp) : lisp_(lisp) {}
  void documentToBeDestroyed(HcDocument* doc) override { lisp_.forgetDocument(doc); }

 private:
  lisp::Interpreter& lisp_;
};

ReferenceHost::ReferenceHost(const ReferenceHostOptions& options) : settings_(options.settingsFolder) {
  os::setRootMap(settings::loadRootMap(settings_));
  messages_.load(interaction::catalogPathIn(options.resourcesFolder));
  runtime_ = std::make_unique<runtime::HeadlessHost>(options.clock, runtime::HostParts{}, options.loop);
  runtime::HeadlessHost& host = *runtime_;
  lisp_ = std::make_unique<lisp::Interpreter>([&host] { return static_cast<const void*>(host.documents().curDocument()); },
                                               [&host](const std::wstring& text) { host.commandLine().print(text); });
  host.commandLine().setLispEvaluator([this](HcDocument*, const std::wstring& e) { return lisp_->evaluateLine(e); });
  documentReactor_ = std::make_unique<DocumentReactor>(*lisp_);
  host.documents().addReactor(documentReactor_.get());
  host.setParts(runtime::HostParts{lisp_.get(), &settings_, options.interaction, &messages_, options.ui, options.input});
  monitorFactory_ = monitor::fileMonitorFactory(host.mainLoop());
  hcInstallFileMonitorFactory(monitorFactory_);
  voxInstallDbxBlockRefFactory(&dwgdb::createDrawingAccessor);
  // A file opens as a document only when it reads as a drawing.
  host.documents().setDrawingCheck([](const std::wstring& path) { return dwgdb::drawingProblem(path); });
  // The host's drawing lock files name the holder exactly as the module's lock files do.
  host.documents().setHolderText([] { return locking::identityTextNow(locking::currentLockIdentity()); });
  if (options.standIns) installStandIns(options);
}

void ReferenceHost::installStandIns(const ReferenceHostOptions& options) {
  const std::string userFolder = options.userFolder.empty() ? options.settingsFolder + "/user" : options.userFolder;
  std::error_code ignored;  // a folder that cannot be made only costs the usage log
  std::filesystem::create_directories(userFolder, ignored);
  runtime::HeadlessHost& host = *runtime_;
  lispCore_ = std::make_unique<lispcore::LispCore>(
      *lisp_, lispcore::LispCoreContext{settings_, [&host](const std::wstring& text) { host.commandLine().print(text); },
                                        [&host] { return static_cast<const void*>(host.documents().curDocument()); },
                                        options.blockLibraryFolder, userFolder, nullptr});
  siblings_ = std::make_unique<siblings::SiblingStandIns>(&settings_, os::fromNative(userFolder));
  projectLocks_ = std::make_unique<LockerLockBackend>();
  siblings_->utils().locks().setProjectBackend(projectLocks_.get());
  voxInstallSiblingServices(siblings_->services());
}

HcModuleHost ReferenceHost::moduleHost() const {
  return HcModuleHost{hcHostRuntime(), voxSiblingServices(), monitorFactory_, &dwgdb::createDrawingAccessor, os::rootMap()};
}

ReferenceHost::~ReferenceHost() {
  if (siblings_) voxInstallSiblingServices({});
  runtime_->documents().removeReactor(documentReactor_.get());
  runtime_->commandLine().setLispEvaluator({});
  voxInstallDbxBlockRefFactory(nullptr);
  hcInstallFileMonitorFactory({});
  runtime_.reset();  // uninstalls the runtime before its parts go
}

}  // namespace vox::platform
