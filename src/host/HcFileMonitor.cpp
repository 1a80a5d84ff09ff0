// The file monitor factory that the host installed.

#include "host/HcFileMonitor.h"

#include <utility>

namespace {

HcFileMonitorFactory& installedFactory() {
  static HcFileMonitorFactory factory;
  return factory;
}

}  // namespace

void hcInstallFileMonitorFactory(HcFileMonitorFactory factory) { installedFactory() = std::move(factory); }

std::unique_ptr<HcFileMonitorService> hcCreateFileMonitorService() {
  const HcFileMonitorFactory& factory = installedFactory();
  return factory ? factory() : nullptr;
}
