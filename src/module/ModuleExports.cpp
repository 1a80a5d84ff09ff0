// The two functions the module's shared library exports to the host that loads it.

#include "host/HcModuleHost.h"
#include "module/CVoxFolioApp.h"

#define VOX_EXPORT extern "C" __attribute__((visibility("default")))

VOX_EXPORT void hcrxInstallHost(const HcModuleHost* host) { hcInstallModuleHost(host); }

VOX_EXPORT int hcrxEntryPoint(int message, void* packet) {
  return voxFolioApp().dispatch(static_cast<HcRxAppMsg>(message), packet);
}
