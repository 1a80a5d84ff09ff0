#pragma once
// The factory a host installs with `hcInstallFileMonitorFactory`: each call makes a
// FileMonitorService on `loop` (which must outlive the services) with `options`.

#include "host/HcEventLoop.h"
#include "host/HcFileMonitor.h"
#include "platform/monitor/MonitorOptions.h"

namespace vox::monitor {

HcFileMonitorFactory fileMonitorFactory(HcEventLoop& loop, MonitorOptions options = MonitorOptions::fromEnvironment());

}  // namespace vox::monitor
