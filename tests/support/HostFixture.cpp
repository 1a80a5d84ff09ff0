#include "support/HostFixture.h"

#include "platform/os/NativePath.h"

namespace vox::test {

HostFixture::HostFixture(bool standIns) {
  platform::ReferenceHostOptions options;
  options.clock = runtime::HeadlessEventLoop::Clock::kManual;
  options.settingsFolder = temp.native("config");
  options.resourcesFolder = VOX_SOURCE_DIR;
  options.interaction = &answers;
  options.standIns = standIns;
  options.blockLibraryFolder = temp.native("blocks");
  reference_ = std::make_unique<platform::ReferenceHost>(options);
}

HcDocument* HostFixture::openDrawing(const std::wstring& name) {
  writeNative(temp.native(os::encodeFileName(name)), "{}");
  return host().documents().appContextOpenDocument(temp.path(name), false);
}

std::wstring HostFixture::type(const std::wstring& line) {
  const std::size_t before = host().commandLine().transcript().size();
  host().commandLine().queue(nullptr, line + L"\n", false);
  host().loop().runPending();
  return host().commandLine().transcript().substr(before);
}

}  // namespace vox::test
