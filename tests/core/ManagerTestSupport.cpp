#include "core/ManagerTestSupport.h"

#include <filesystem>

namespace vox::test {

LifecycleRecorder::LifecycleRecorder(VoxPrmProjectManager& manager) : manager_(manager) {
  VoxPrmProjectEvents& e = manager_.events();
  e.projectOpen.subscribe(this, &LifecycleRecorder::onOpen);
  e.projectClose.subscribe(this, &LifecycleRecorder::onClose);
  e.projectCloseAllNA.subscribe(this, &LifecycleRecorder::onCloseAllNA);
  e.projectSetActive.subscribe(this, &LifecycleRecorder::onSetActive);
  e.projectActived.subscribe(this, &LifecycleRecorder::onActived);
  e.projectDeactivate.subscribe(this, &LifecycleRecorder::onDeactivate);
}

LifecycleRecorder::~LifecycleRecorder() { manager_.unsubscribeAll(this); }

ManagerFixture::ManagerFixture(core::ManagerParts parts) : manager(std::move(parts)) {
  core::installModuleObjects({&manager, &navigation});
}

ManagerFixture::~ManagerFixture() { core::installModuleObjects({}); }

std::wstring ManagerFixture::project(const std::string& relative, const std::string& content) {
  const std::filesystem::path native = temp.native(relative);
  std::filesystem::create_directories(native.parent_path());
  writeNative(native.string(), content);
  std::wstring name;
  for (const char c : relative) name += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return temp.path(name);
}

}  // namespace vox::test
