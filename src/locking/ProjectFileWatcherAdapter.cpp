#include "locking/ProjectFileWatcherAdapter.h"

#include "locking/VoxPrmFileNotifier.h"

namespace vox::locking {
namespace {

// Receives the notifier's events and hands them to the manager's handlers.
class Forwarder : public VoxPrmProjectEventReceiver {
 public:
  explicit Forwarder(core::FileChangeHandlers handlers) : h_(std::move(handlers)) {}
  void changedContent(const std::wstring& path) { h_.changedContent(path); }
  void changedReadOnly(const std::wstring& path, bool readOnly) { h_.changedReadOnly(path, readOnly); }
  void created(const std::wstring& path) { h_.created(path); }
  void deleted(const std::wstring& path) { h_.deleted(path); }
  void renamed(const std::wstring& from, const std::wstring& to) { h_.renamed(from, to); }

 private:
  core::FileChangeHandlers h_;
};

class NotifierWatcher : public core::ProjectFileWatcher {
 public:
  ~NotifierWatcher() override { disconnect(); }

  void connect(core::FileChangeHandlers handlers) override {
    disconnect();
    forwarder_ = std::make_unique<Forwarder>(std::move(handlers));
    Forwarder* f = forwarder_.get();
    notifier_.onFileChangedContent.subscribe(f, &Forwarder::changedContent);
    notifier_.onFileChangedReadOnly.subscribe(f, &Forwarder::changedReadOnly);
    notifier_.onFileCreated.subscribe(f, &Forwarder::created);
    notifier_.onFileDeleted.subscribe(f, &Forwarder::deleted);
    notifier_.onFileRenamed.subscribe(f, &Forwarder::renamed);
  }

  void disconnect() override {
    Forwarder* f = forwarder_.get();
    if (f == nullptr) return;
    notifier_.isMonitoring();
    VoxPrmFileNotifier::unsubscribe(notifier_.onFileChangedContent, f, &Forwarder::changedContent);
    VoxPrmFileNotifier::unsubscribe(notifier_.onFileChangedReadOnly, f, &Forwarder::changedReadOnly);
    VoxPrmFileNotifier::unsubscribe(notifier_.onFileCreated, f, &Forwarder::created);
    VoxPrmFileNotifier::unsubscribe(notifier_.onFileDeleted, f, &Forwarder::deleted);
    VoxPrmFileNotifier::unsubscribe(notifier_.onFileRenamed, f, &Forwarder::renamed);
    forwarder_.reset();
  }

  bool monitorFile(const std::wstring& path) override { return notifier_.monitorFile(path); }
  bool stopMonitoringFile(const std::wstring& path) override { return notifier_.unmonitorFile(path); }
  void startMonitoring() override { notifier_.startMonitoring(); }
  void stopMonitoring() override { notifier_.stopMonitoring(); }

 private:
  VoxPrmFileNotifier notifier_;
  std::unique_ptr<Forwarder> forwarder_;
};

}  // namespace

std::unique_ptr<core::ProjectFileWatcher> makeProjectFileWatcher() { return std::make_unique<NotifierWatcher>(); }

}  // namespace vox::locking
