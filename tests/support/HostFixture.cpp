#include "support/HostFixture.h"

#include "platform/os/NativePath.h"

namespace vox::test {

HostFixture::HostFixture() {
  messages.load(interaction::catalogPathIn(VOX_SOURCE_DIR));
  host_ = std::make_unique<runtime::HeadlessHost>(runtime::HeadlessEventLoop::Clock::kManual, runtime::HostParts{});
  lisp_ = std::make_unique<lisp::Interpreter>([this] { return static_cast<const void*>(host_->documents().curDocument()); },
                                               [this](const std::wstring& text) { host_->commandLine().print(text); });
  host_->commandLine().setLispEvaluator([this](HcDocument*, const std::wstring& e) { lisp_->evaluateLine(e); });
  host_->setParts(runtime::HostParts{lisp_.get(), &settings, &answers, &messages});
}

HostFixture::~HostFixture() {
  host_->commandLine().setLispEvaluator({});
  host_.reset();  // uninstalls the runtime before the parts go
  lisp_.reset();
}

HcDocument* HostFixture::openDrawing(const std::wstring& name) {
  writeNative(temp.native(os::encodeFileName(name)), "{}");
  return host_->documents().appContextOpenDocument(temp.path(name), false);
}

std::wstring HostFixture::type(const std::wstring& line) {
  const std::size_t before = host_->commandLine().transcript().size();
  host_->commandLine().queue(nullptr, line + L"\n", false);
  host_->loop().runPending();
  return host_->commandLine().transcript().substr(before);
}

}  // namespace vox::test
