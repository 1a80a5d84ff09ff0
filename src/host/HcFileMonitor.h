#pragma once
// The file monitor service as the module sees it: a watch list of paths (module form,
// backslashes, compared ignoring case), start / stop, and event sinks that receive two raw
// callbacks on the main thread. A path need not exist to be watched: its creation is reported.
//
// The host installs a factory; the module creates its service in-process through
// `hcCreateFileMonitorService`, which answers null when no factory is installed.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// Codes of "FileChanged".
inline constexpr std::int32_t kHcFileContentChanged = 0;
inline constexpr std::int32_t kHcFileCreated = 1;
inline constexpr std::int32_t kHcFileDeleted = 2;
inline constexpr std::int32_t kHcFileReadOnlyOn = 4;   // the last write permission is gone
inline constexpr std::int32_t kHcFileReadOnlyOff = 5;  // write permission is back

// The service's event interface. Called on the main thread, never after the service stopped.
class HcFileMonitorSink {
 public:
  virtual ~HcFileMonitorSink() = default;
  // `path` is the watched path as it was added; `code` one of the kHcFile... codes.
  virtual void FileChanged(const std::wstring& path, std::int32_t code) = 0;
  // A rename of which at least one side is watched; each side in the spelling it was added with,
  // or its folder's spelling and the name found on disk for a side that is not watched.
  virtual void FileRenamed(const std::wstring& oldPath, const std::wstring& newPath) = 0;
};

class HcFileMonitorService {
 public:
  virtual ~HcFileMonitorService() = default;
  // False for a relative path or one that has no native form; adding a watched path again is
  // a success that changes nothing.
  virtual bool addPath(const std::wstring& path) = 0;
  // False when the path was not watched.
  virtual bool removePath(const std::wstring& path) = 0;
  virtual bool isRunning() const = 0;
  // Changes are reported only while running; what is on disk at start is the baseline.
  virtual void start() = 0;
  virtual void stop() = 0;
  // The sink is borrowed until disconnected. The cookie is never 0 (0: a null sink).
  virtual std::uint32_t connect(HcFileMonitorSink* sink) = 0;
  // False for an unknown cookie.
  virtual bool disconnect(std::uint32_t cookie) = 0;
};

using HcFileMonitorFactory = std::function<std::unique_ptr<HcFileMonitorService>()>;

// Installed by the host; an empty factory uninstalls.
void hcInstallFileMonitorFactory(HcFileMonitorFactory factory);
// A new service from the installed factory, or null.
std::unique_ptr<HcFileMonitorService> hcCreateFileMonitorService();
