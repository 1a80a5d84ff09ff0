#pragma once
// The reference host of the studio: the same host services, stand-ins and module loading as
// the shell, running on Qt's event loop, asking the user with Qt dialogs and showing the
// module's palette, menus and dialogs through a Qt UI host. Each new document is announced to
// the module once it is current; listeners then hear that the document is loaded.

#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "QtEventLoop.h"
#include "QtInteraction.h"
#include "StudioPicks.h"
#include "platform/assembly/ReferenceHost.h"
#include "shell/LoadedModule.h"

namespace vox::studio {

class QtUiHost;

struct StudioHostOptions {
  std::string module;          // the module's shared library
  std::string resources;       // folder holding resources/voxfolio-messages.txt
  std::string blocks;          // the block library
  std::string settingsFolder;  // registry.json, the palette layout and the window layout
};

class StudioHost {
 public:
  using DocumentLoaded = std::function<void(HcDocument* doc)>;

  explicit StudioHost(const StudioHostOptions& options);
  ~StudioHost();
  StudioHost(const StudioHost&) = delete;
  StudioHost& operator=(const StudioHost&) = delete;

  // Loads the module into the host; false with error() set when it cannot be loaded.
  bool loadModule();
  const std::string& error() const { return module_.error(); }

  // Typed input for the current document, run at the loop's next turn (echoed as typed).
  void type(const std::wstring& line);
  void onDocumentLoaded(DocumentLoaded listener) { loadedListeners_.push_back(std::move(listener)); }

  QtEventLoop& loop() { return loop_; }
  QtInteraction& interaction() { return interaction_; }
  QtUiHost& ui() { return *ui_; }
  // Picks in the current drawing; the main window tells it where the drawings are shown.
  StudioPicks& picks() { return picks_; }
  platform::ReferenceHost& host() { return *host_; }
  runtime::CommandLine& commandLine() { return host_->runtime().commandLine(); }
  runtime::HeadlessDocManager& documents() { return host_->runtime().documents(); }
  const std::string& settingsFolder() const { return settingsFolder_; }

 private:
  class DocumentLoads;
  void documentLoaded(HcDocument* doc);

  std::string modulePath_;
  std::string settingsFolder_;
  QtEventLoop loop_;
  QtInteraction interaction_;
  StudioPicks picks_;
  std::unique_ptr<QtUiHost> ui_;
  std::unique_ptr<platform::ReferenceHost> host_;
  std::unique_ptr<DocumentLoads> documentLoads_;
  std::vector<DocumentLoaded> loadedListeners_;
  shell::LoadedModule module_;
};

}  // namespace vox::studio
