#include "locking/FileMonitorConnection.h"

#include "host/HcInteraction.h"
#include "host/HcMessageCatalog.h"

namespace {

constexpr unsigned kMonitorUnavailable = 126;

void tellMonitorUnavailable() {
  HcInteraction* interaction = hcInteraction();
  if (interaction == nullptr) return;
  const HcResourceScope resources;
  interaction->messageBox(hcResourceString(kMonitorUnavailable), L"", HcIcon::kNone, HcButtons::kOk);
}

}  // namespace

void CFileMonitorSink::FileChanged(const std::wstring& path, std::int32_t code) {
  const std::wstring copy = path;
  if (m_receiver != nullptr) m_receiver->onMonitorFileChanged(copy, code);
}

void CFileMonitorSink::FileRenamed(const std::wstring& oldPath, const std::wstring& newPath) {
  const std::wstring oldCopy = oldPath;
  const std::wstring newCopy = newPath;
  if (m_receiver != nullptr) m_receiver->onMonitorFileRenamed(oldCopy, newCopy);
}

FileMonitorConnection::FileMonitorConnection(VoxPrmMonitorReceiver& receiver) : m_receiver(receiver) {
  m_initialised = true;  // no component system to start on this platform
  m_service = hcCreateFileMonitorService();
  if (!m_service) {
    tellMonitorUnavailable();
    return;
  }
  m_sink = std::make_unique<CFileMonitorSink>();
  m_sink->setReceiver(&m_receiver);
  m_cookie = m_service->connect(m_sink.get());
}

FileMonitorConnection::~FileMonitorConnection() {
  if (!m_initialised) return;
  if (m_service && m_sink) {
    m_service->disconnect(m_cookie);
    m_sink.reset();
  }
  m_service.reset();
  m_initialised = false;
}
