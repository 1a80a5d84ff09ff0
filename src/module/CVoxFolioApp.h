#pragma once
// The module's application object: what it does on each lifecycle message of the host. On
// initialisation it registers itself as unloadable and multi-document aware, registers its
// commands and creates the navigation manager; on each document load it attaches the
// input-context reactor, defines its LISP functions and exposes the LISP core's functions;
// on unload it removes its commands and LISP handlers and tears the navigation manager down.

#include "host/HcRxApp.h"

class CVoxFolioApp : public HcRxArxApp, public HcRxDbxApp {
 public:
  static constexpr const wchar_t* kAppName = L"VoxFolio";

  HcRxAppRetCode On_kInitAppMsg(void* pkt) override;
  HcRxAppRetCode On_kUnloadAppMsg(void* pkt) override;
  HcRxAppRetCode On_kLoadDwgMsg(void* pkt) override;

  bool unloadable() const { return true; }
  bool multiDocumentAware() const { return true; }
};

// The one application object.
CVoxFolioApp& voxFolioApp();
