#pragma once
// What a host installs for the module: one pointer per service (borrowed; the host keeps them
// alive while installed). The module's host functions forward to these; with nothing installed
// they fail or answer nothing.

#include <string_view>

class HcDocManager;
class HcEventLoop;
class HcHostServices;
class HcDynamicLinker;
class HcEditorInput;
class HcInteraction;
class HcLispHost;
class HcMessageCatalog;
class HcRxObject;
class HcSettingsStore;
class HcUiHost;

class HcSystemRegistry {
 public:
  virtual ~HcSystemRegistry() = default;
  virtual HcRxObject* lookup(std::wstring_view name) const = 0;
};

struct HcHostRuntime {
  HcDocManager* documents = nullptr;
  HcSystemRegistry* registry = nullptr;
  HcLispHost* lisp = nullptr;
  HcHostServices* services = nullptr;
  HcDynamicLinker* linker = nullptr;
  HcEventLoop* loop = nullptr;
  HcSettingsStore* settings = nullptr;
  HcInteraction* interaction = nullptr;
  HcMessageCatalog* messages = nullptr;
  HcUiHost* ui = nullptr;
  HcEditorInput* input = nullptr;
};

void hcInstallHostRuntime(const HcHostRuntime& runtime);
const HcHostRuntime& hcHostRuntime();
