#pragma once
// What a host hands a module it loaded as a shared library, before the first lifecycle message:
// its runtime, the sibling modules' services, the factories of the file monitor service and the
// drawing accessor, and its drive and share mapping. The module keeps its own copies of the
// service pointers (a shared library has its own copy of everything it links), so the host
// passes them through the module's exported `hcrxInstallHost`; null uninstalls all.

#include "host/HcFileMonitor.h"
#include "host/HcHostRuntime.h"
#include "host/VoxDbxBlockRef.h"
#include "host/VoxSiblingServices.h"
#include "platform/os/NativePath.h"

struct HcModuleHost {
  HcHostRuntime runtime;
  VoxSiblingServices siblings;
  HcFileMonitorFactory fileMonitorFactory;
  VoxDbxBlockRefFactory drawingAccessorFactory = nullptr;
  vox::os::RootMap rootMap;
};

// The names the host looks up in the module.
inline constexpr const char* kHcrxInstallHostSymbol = "hcrxInstallHost";
inline constexpr const char* kHcrxEntryPointSymbol = "hcrxEntryPoint";

using HcrxInstallHostFunction = void (*)(const HcModuleHost* host);
using HcrxEntryPointFunction = int (*)(int message, void* packet);

// Installs everything `host` holds in the calling copy of the host functions (null: uninstalls).
void hcInstallModuleHost(const HcModuleHost* host);
