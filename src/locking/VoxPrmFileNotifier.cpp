#include "locking/VoxPrmFileNotifier.h"

#include "host/HcFileMonitor.h"
#include "locking/FileMonitorConnection.h"

VoxPrmFileNotifier::VoxPrmFileNotifier() : m_connection(std::make_unique<FileMonitorConnection>(*this)) {}

VoxPrmFileNotifier::~VoxPrmFileNotifier() = default;

bool VoxPrmFileNotifier::startMonitoring() {
  if (!m_connection) return false;
  if (HcFileMonitorService* service = m_connection->service()) service->start();
  m_started = true;
  return true;
}

bool VoxPrmFileNotifier::stopMonitoring() {
  if (!m_connection) return false;
  if (HcFileMonitorService* service = m_connection->service()) service->stop();
  m_started = false;
  return true;
}

bool VoxPrmFileNotifier::isMonitoring() const {
  const HcFileMonitorService* service = m_connection ? m_connection->service() : nullptr;
  return service != nullptr && service->isRunning();
}

bool VoxPrmFileNotifier::monitorFile(const std::wstring& path) {
  HcFileMonitorService* service = m_connection ? m_connection->service() : nullptr;
  return service != nullptr && service->addPath(path);
}

bool VoxPrmFileNotifier::unmonitorFile(const std::wstring& path) {
  HcFileMonitorService* service = m_connection ? m_connection->service() : nullptr;
  return service != nullptr && service->removePath(path);
}

bool VoxPrmFileNotifier::monitorFiles(const std::vector<std::wstring>& paths) {
  if (!m_connection) return false;
  bool all = true;
  for (const std::wstring& path : paths) all = monitorFile(path) && all;
  return all;
}

bool VoxPrmFileNotifier::unmonitorFiles(const std::vector<std::wstring>& paths) {
  if (!m_connection) return false;
  bool all = true;
  for (const std::wstring& path : paths) all = unmonitorFile(path) && all;
  return all;
}

void VoxPrmFileNotifier::onMonitorFileChanged(const std::wstring& path, std::int32_t code) {
  switch (code) {
    case kHcFileContentChanged: onFileChangedContent.raise(path); break;
    case kHcFileCreated: onFileCreated.raise(path); break;
    case kHcFileDeleted: onFileDeleted.raise(path); break;
    case kHcFileReadOnlyOn: onFileChangedReadOnly.raise(path, true); break;
    case kHcFileReadOnlyOff: onFileChangedReadOnly.raise(path, false); break;
    default: break;
  }
}

void VoxPrmFileNotifier::onMonitorFileRenamed(const std::wstring& oldPath, const std::wstring& newPath) {
  onFileRenamed.raise(oldPath, newPath);
}
