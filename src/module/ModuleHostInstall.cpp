#include "host/HcModuleHost.h"

void hcInstallModuleHost(const HcModuleHost* host) {
  if (host == nullptr) {
    voxInstallDbxBlockRefFactory(nullptr);
    hcInstallFileMonitorFactory({});
    voxInstallSiblingServices({});
    hcInstallHostRuntime({});
    return;
  }
  vox::os::setRootMap(host->rootMap);
  hcInstallHostRuntime(host->runtime);
  voxInstallSiblingServices(host->siblings);
  hcInstallFileMonitorFactory(host->fileMonitorFactory);
  voxInstallDbxBlockRefFactory(host->drawingAccessorFactory);
}
