#include "LoadedModule.h"

#include <dlfcn.h>

namespace vox::shell {

bool LoadedModule::load(const std::string& path, const HcModuleHost& host) {
  handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* why = ::dlerror();
    error_ = why != nullptr ? why : "cannot load " + path;
    return false;
  }
  install_ = reinterpret_cast<HcrxInstallHostFunction>(::dlsym(handle_, kHcrxInstallHostSymbol));
  entry_ = reinterpret_cast<HcrxEntryPointFunction>(::dlsym(handle_, kHcrxEntryPointSymbol));
  if (install_ == nullptr || entry_ == nullptr) {
    error_ = path + " is not a module: its entry functions are missing";
    ::dlclose(handle_);
    handle_ = nullptr;
    return false;
  }
  install_(&host);
  send(kInitAppMsg);
  return true;
}

int LoadedModule::send(HcRxAppMsg message) { return entry_ != nullptr ? entry_(message, nullptr) : kRetError; }

void LoadedModule::unload() {
  if (handle_ == nullptr) return;
  send(kUnloadAppMsg);
  install_(nullptr);
  ::dlclose(handle_);
  handle_ = nullptr;
  install_ = nullptr;
  entry_ = nullptr;
}

}  // namespace vox::shell
