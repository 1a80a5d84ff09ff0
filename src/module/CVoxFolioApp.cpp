#include "module/CVoxFolioApp.h"

#include "host/HcDocument.h"
#include "host/HcHostServices.h"
#include "host/LispCoreCalls.h"
#include "module/Commands.h"
#include "module/LispFunctions.h"
#include "module/ModuleState.h"
#include "module/NavReactors.h"
#include "module/VoxPrmNavManager.h"

CVoxFolioApp& voxFolioApp() {
  static CVoxFolioApp app;
  return app;
}

HcRxAppRetCode CVoxFolioApp::On_kInitAppMsg(void* /*pkt*/) {
  if (HcDynamicLinker* linker = hcrxDynamicLinker()) {
    linker->unlockApplication(kAppName);
    linker->registerAppMDIAware(kAppName);
  }
  vox::module::registerCommands();
  // The grid control library needs no initialisation on this platform.
  vox::module::createNavManager();
  return kRetOK;
}

HcRxAppRetCode CVoxFolioApp::On_kUnloadAppMsg(void* /*pkt*/) {
  vox::module::removeCommands();
  vox::module::removeLispHandlers();
  vox::module::destroyNavManager();
  return kRetOK;
}

HcRxAppRetCode CVoxFolioApp::On_kLoadDwgMsg(void* /*pkt*/) {
  VoxPrmNavManager* nav = vox::module::navManager();
  HcDocManager* documents = hcDocManagerPtr();
  HcDocument* current = documents != nullptr ? documents->curDocument() : nullptr;
  if (nav != nullptr && nav->inputContextReactor() != nullptr && current != nullptr) {
    current->addInputContextReactor(nav->inputContextReactor());
    nav->inputContextReactor()->onCommandOrLispEvent.raise(!current->isQuiescent());
  }
  vox::module::defineLispFunctions();
  vox::host::exposeLispCoreFunctions();
  return kRetOK;
}
