#pragma once
// Turns the file monitor's two raw callbacks into five events: content changed (code 0),
// created (1), deleted (2), renamed, read-only changed (4: on, 5: off); other codes are dropped.
// Subscribers are (object, member) pairs; the last subscribed is called first. The project
// manager is the subscriber: it watches each open project's file, lock file and task file.
// Without the host's monitor service every watch answers false and projects work unwatched.

#include <memory>
#include <string>
#include <vector>

#include "core/ProjectEvent.h"
#include "locking/VoxPrmMonitorReceiver.h"

class FileMonitorConnection;

class VoxPrmFileNotifier : public VoxPrmMonitorReceiver {
 public:
  using PathEvent = vox::core::ProjectEvent<const std::wstring&>;
  using RenameEvent = vox::core::ProjectEvent<const std::wstring&, const std::wstring&>;
  using ReadOnlyEvent = vox::core::ProjectEvent<const std::wstring&, bool>;

  VoxPrmFileNotifier();
  ~VoxPrmFileNotifier() override;
  VoxPrmFileNotifier(const VoxPrmFileNotifier&) = delete;
  VoxPrmFileNotifier& operator=(const VoxPrmFileNotifier&) = delete;

  bool startMonitoring();
  bool stopMonitoring();
  bool isMonitoring() const;
  bool monitorFile(const std::wstring& path);
  bool unmonitorFile(const std::wstring& path);
  // Each path in order; true only when every one succeeded.
  bool monitorFiles(const std::vector<std::wstring>& paths);
  bool unmonitorFiles(const std::vector<std::wstring>& paths);

  void onMonitorFileChanged(const std::wstring& path, std::int32_t code) override;
  void onMonitorFileRenamed(const std::wstring& oldPath, const std::wstring& newPath) override;

  // Subscription lists; unsubscribing answers 0 when the pair was found, 1 when not.
  PathEvent onFileChangedContent;
  PathEvent onFileCreated;
  PathEvent onFileDeleted;
  RenameEvent onFileRenamed;
  ReadOnlyEvent onFileChangedReadOnly;
  template <typename Event, typename Receiver, typename Handler>
  static int unsubscribe(Event& event, Receiver* receiver, Handler handler) {
    return event.unsubscribe(receiver, handler) ? 0 : 1;
  }

 private:
  std::unique_ptr<FileMonitorConnection> m_connection;
  bool m_started = false;
};
