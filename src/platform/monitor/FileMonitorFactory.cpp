#include "platform/monitor/FileMonitorFactory.h"

#include <memory>

#include "platform/monitor/FileMonitorService.h"

namespace vox::monitor {

HcFileMonitorFactory fileMonitorFactory(HcEventLoop& loop, MonitorOptions options) {
  return [&loop, options]() -> std::unique_ptr<HcFileMonitorService> {
    return std::make_unique<FileMonitorService>(loop, options);
  };
}

}  // namespace vox::monitor
