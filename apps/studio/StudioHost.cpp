#include "StudioHost.h"

#include "QtUiHost.h"

namespace vox::studio {

// Announces each new document to the module from the loop, as the shell does, then tells the
// studio's listeners.
class StudioHost::DocumentLoads : public HcDocManagerReactor {
 public:
  explicit DocumentLoads(StudioHost& studio) : studio_(studio) {}
  void documentCreated(HcDocument* doc) override {
    studio_.loop_.post([this, doc] {
      studio_.module_.send(kLoadDwgMsg);
      studio_.documentLoaded(doc);
    });
  }

 private:
  StudioHost& studio_;
};

StudioHost::StudioHost(const StudioHostOptions& options)
    : modulePath_(options.module), settingsFolder_(options.settingsFolder) {
  ui_ = std::make_unique<QtUiHost>(options.settingsFolder);
  platform::ReferenceHostOptions hostOptions;
  hostOptions.loop = &loop_;
  hostOptions.settingsFolder = options.settingsFolder;
  hostOptions.resourcesFolder = options.resources;
  hostOptions.interaction = &interaction_;
  hostOptions.ui = ui_.get();
  hostOptions.input = &picks_;
  hostOptions.blockLibraryFolder = options.blocks;
  host_ = std::make_unique<platform::ReferenceHost>(hostOptions);
  documentLoads_ = std::make_unique<DocumentLoads>(*this);
  documents().addReactor(documentLoads_.get());
}

StudioHost::~StudioHost() {
  module_.unload();
  documents().removeReactor(documentLoads_.get());
  commandLine().setOutput({});
  host_.reset();
}

bool StudioHost::loadModule() { return module_.load(modulePath_, host_->moduleHost()); }

void StudioHost::type(const std::wstring& line) { commandLine().queue(nullptr, line + L"\n", true); }

void StudioHost::documentLoaded(HcDocument* doc) {
  // The document may have closed before its announcement ran.
  if (!documents().contains(doc)) return;
  for (const DocumentLoaded& listener : loadedListeners_) listener(doc);
}

}  // namespace vox::studio
