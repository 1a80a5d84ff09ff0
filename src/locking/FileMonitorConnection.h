#pragma once
// The connection of the file notifier to the host's file monitor service: the service (null
// when the host has none), the sink that receives the service's two callbacks and hands them to
// the receiver, and the cookie of the sink's connection.

#include <cstdint>
#include <memory>

#include "host/HcFileMonitor.h"
#include "locking/VoxPrmMonitorReceiver.h"

// The service's event interface: each callback copies its strings and goes to the receiver.
class CFileMonitorSink : public HcFileMonitorSink {
 public:
  void setReceiver(VoxPrmMonitorReceiver* receiver) { m_receiver = receiver; }
  void FileChanged(const std::wstring& path, std::int32_t code) override;
  void FileRenamed(const std::wstring& oldPath, const std::wstring& newPath) override;

 private:
  VoxPrmMonitorReceiver* m_receiver = nullptr;
};

class FileMonitorConnection {
 public:
  // Creates the service; when the host cannot, one message box tells the user and monitoring
  // stays off.
  explicit FileMonitorConnection(VoxPrmMonitorReceiver& receiver);
  ~FileMonitorConnection();
  FileMonitorConnection(const FileMonitorConnection&) = delete;
  FileMonitorConnection& operator=(const FileMonitorConnection&) = delete;

  HcFileMonitorService* service() const { return m_service.get(); }

 private:
  std::unique_ptr<HcFileMonitorService> m_service;
  VoxPrmMonitorReceiver& m_receiver;
  std::unique_ptr<CFileMonitorSink> m_sink;
  std::uint32_t m_cookie = 0;
  bool m_initialised = false;
};
