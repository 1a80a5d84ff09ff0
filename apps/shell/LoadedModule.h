#pragma once
// A module's shared library loaded with dlopen: the host is installed in it and it hears its
// lifecycle messages; unloading sends the unload message, uninstalls the host and closes it.

#include <string>

#include "host/HcModuleHost.h"
#include "host/HcRxApp.h"

namespace vox::shell {

class LoadedModule {
 public:
  LoadedModule() = default;
  ~LoadedModule() { unload(); }
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  // Opens the library, installs `host` in it and sends the initialise message; false with
  // error() set when the library or its entry functions cannot be found.
  bool load(const std::string& path, const HcModuleHost& host);
  int send(HcRxAppMsg message);
  void unload();
  const std::string& error() const { return error_; }

 private:
  void* handle_ = nullptr;
  HcrxInstallHostFunction install_ = nullptr;
  HcrxEntryPointFunction entry_ = nullptr;
  std::string error_;
};

}  // namespace vox::shell
