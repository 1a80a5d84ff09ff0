// The file notifier between the host's monitor service and its subscribers: the code table,
// rename order, subscription answers, and working on without a service.

#include <gtest/gtest.h>

#include "host/HcFileMonitor.h"
#include "locking/VoxPrmFileNotifier.h"
#include "support/HostFixture.h"

namespace vox::test {
namespace {

using Calls = std::vector<std::wstring>;

// A monitor service that watches nothing on disk: tests fire its sink by hand.
struct HandFiredService : HcFileMonitorService {
  bool addPath(const std::wstring& path) override { return watched.push_back(path), true; }
  bool removePath(const std::wstring&) override { return true; }
  bool isRunning() const override { return running; }
  void start() override { running = true; }
  void stop() override { running = false; }
  std::uint32_t connect(HcFileMonitorSink* s) override { return sink = s, 7; }
  bool disconnect(std::uint32_t cookie) override { return cookie == 7 && (sink = nullptr, true); }
  std::vector<std::wstring> watched;
  bool running = false;
  HcFileMonitorSink* sink = nullptr;
};

class Listener : public VoxPrmProjectEventReceiver {
 public:
  void content(const std::wstring& p) { calls.push_back(L"content " + p); }
  void created(const std::wstring& p) { calls.push_back(L"created " + p); }
  void deleted(const std::wstring& p) { calls.push_back(L"deleted " + p); }
  void renamed(const std::wstring& a, const std::wstring& b) { calls.push_back(L"renamed " + a + L">" + b); }
  void readOnly(const std::wstring& p, bool on) { calls.push_back(L"readonly " + p + (on ? L" on" : L" off")); }
  Calls calls;
};

class FileNotifier : public HostFixture {
 protected:
  FileNotifier() {
    hcInstallFileMonitorFactory([this] {
      auto made = std::make_unique<HandFiredService>();
      service = made.get();
      return made;
    });
  }
  ~FileNotifier() override { hcInstallFileMonitorFactory({}); }
  HandFiredService* service = nullptr;
};

TEST_F(FileNotifier, CodesBecomeTheirEventsAndUnknownOnesAreDropped) {
  VoxPrmFileNotifier notifier;
  Listener listener;
  notifier.onFileChangedContent.subscribe(&listener, &Listener::content);
  notifier.onFileCreated.subscribe(&listener, &Listener::created);
  notifier.onFileDeleted.subscribe(&listener, &Listener::deleted);
  notifier.onFileRenamed.subscribe(&listener, &Listener::renamed);
  notifier.onFileChangedReadOnly.subscribe(&listener, &Listener::readOnly);
  ASSERT_NE(service->sink, nullptr);
  for (std::int32_t code = 0; code <= 6; ++code) service->sink->FileChanged(L"P", code);
  service->sink->FileRenamed(L"old", L"new");
  EXPECT_EQ(listener.calls, (Calls{L"content P", L"created P", L"deleted P", L"readonly P on", L"readonly P off",
                                   L"renamed old>new"}));
  EXPECT_EQ(VoxPrmFileNotifier::unsubscribe(notifier.onFileCreated, &listener, &Listener::created), 0);
  EXPECT_EQ(VoxPrmFileNotifier::unsubscribe(notifier.onFileCreated, &listener, &Listener::created), 1);
  EXPECT_TRUE(answers.asked().empty());
}

TEST_F(FileNotifier, WatchingGoesToTheService) {
  VoxPrmFileNotifier notifier;
  EXPECT_TRUE(notifier.startMonitoring());
  EXPECT_TRUE(notifier.isMonitoring());
  EXPECT_TRUE(notifier.monitorFiles({L"\\p\\A.wdp", L"\\p\\A.wdp.FLL"}));
  EXPECT_EQ(service->watched, (Calls{L"\\p\\A.wdp", L"\\p\\A.wdp.FLL"}));
  EXPECT_TRUE(notifier.stopMonitoring());
  EXPECT_FALSE(notifier.isMonitoring());
}

TEST_F(FileNotifier, WithoutAServiceOneMessageAndNothingIsWatched) {
  hcInstallFileMonitorFactory({});
  VoxPrmFileNotifier notifier;
  ASSERT_EQ(answers.asked().size(), 1u);
  EXPECT_EQ(answers.asked()[0].caption, L"");
  EXPECT_TRUE(notifier.startMonitoring());  // still "started", doing nothing
  EXPECT_FALSE(notifier.monitorFile(L"\\p\\A.wdp"));
  EXPECT_FALSE(notifier.monitorFiles({L"\\p\\A.wdp"}));
  EXPECT_FALSE(notifier.isMonitoring());
}

}  // namespace
}  // namespace vox::test
