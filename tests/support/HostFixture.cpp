#include "support/HostFixture.h"

#include <algorithm>
#include <chrono>

#include "platform/os/NativePath.h"

namespace vox::test {

HostFixture::HostFixture(bool standIns, runtime::HeadlessEventLoop::Clock clock) {
  platform::ReferenceHostOptions options;
  options.clock = clock;
  options.settingsFolder = temp.native("config");
  options.resourcesFolder = VOX_SOURCE_DIR;
  options.interaction = &answers;
  options.standIns = standIns;
  options.blockLibraryFolder = temp.native("blocks");
  reference_ = std::make_unique<platform::ReferenceHost>(options);
}

const char* HostFixture::emptyDrawing() {
  return R"({"format":"voxfolio-drawing","version":1,"header":{"currentLayer":"0"},)"
         R"("layers":[{"name":"0","frozen":false}],"spaces":[{"name":"*Model_Space","entities":[]}]})";
}

std::wstring HostFixture::writeDrawing(const std::wstring& name) {
  writeNative(temp.native(os::encodeFileName(name)), emptyDrawing());
  return temp.path(name);
}

HcDocument* HostFixture::openDrawing(const std::wstring& name) {
  return host().documents().appContextOpenDocument(writeDrawing(name), false);
}

std::wstring HostFixture::type(const std::wstring& line) {
  const std::size_t before = host().commandLine().transcript().size();
  host().commandLine().queue(nullptr, line + L"\n", false);
  host().loop().runPending();
  return host().commandLine().transcript().substr(before);
}

bool RealClockHostFixture::runUntil(const std::function<bool()>& done, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    host().loop().runOnce(static_cast<int>(std::min<std::int64_t>(left.count(), 50)));
  }
  return true;
}

}  // namespace vox::test
