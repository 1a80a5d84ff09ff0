#include "dialogs/DrawingPropsSession.h"

#include "core/VoxPrmProjectManager.h"
#include "dialogs/DrawingPropsTexts.h"
#include "host/HcDocument.h"
#include "host/HcInteraction.h"
#include "host/HcMessageCatalog.h"
#include "host/ResourceText.h"
#include "host/VoxUtils.h"
#include "platform/os/Files.h"

namespace vox::dialogs {

void drawingPropsMessage(unsigned text, const std::vector<std::wstring>& inserts) {
  if (HcInteraction* interaction = hcInteraction()) {
    const HcResourceScope resources;
    interaction->messageBox(host::resourceText(text, inserts), host::resourceText(kMsgDrawingPropsCaption),
                            HcIcon::kExclamation, HcButtons::kOk);
  }
}

DrawingPropsSession::DrawingPropsSession(std::wstring path, std::wstring projectID)
    : m_path(std::move(path)), m_projectID(std::move(projectID)) {}

DrawingPropsSession::~DrawingPropsSession() {
  if (m_db && m_db->isOpen()) m_db->close(false);  // an edit that failed keeps nothing
  releaseLocks();
}

void DrawingPropsSession::releaseLocks() {
  unlockDocument();
  unlockProject();
  if (!m_drawingLocks.empty()) LispUpdUnlockFiles(m_drawingLocks);
  m_drawingLocks.clear();
}

VoxPrmProject* DrawingPropsSession::project() const {
  const VoxPrmProjectManager* manager = GetProjectManager();
  return manager != nullptr && !m_projectID.empty() ? manager->getProject(m_projectID.c_str()) : nullptr;
}

bool DrawingPropsSession::lockDrawing() {
  if (!os::fileExists(m_path)) {
    drawingPropsMessage(kMsgDrawingNotFound, {m_path});
    return false;
  }
  return LispCheckFileLockStatusAndLock({m_path}, 1, 1, m_drawingLocks);
}

void DrawingPropsSession::lockProject() {
  if (m_projectID.empty()) return;
  if (!LispCheckFileLockStatusAndLock({m_projectID}, 1, 0, m_projectLocks)) {
    LispUpdUnlockFiles(m_projectLocks);
    m_projectLocks.clear();
    m_projectID.clear();
  }
}

void DrawingPropsSession::unlockProject() {
  if (!m_projectLocks.empty()) LispUpdUnlockFiles(m_projectLocks);
  m_projectLocks.clear();
}

void DrawingPropsSession::lockDocument() {
  HcDocManager* documents = hcDocManagerPtr();
  if (m_document != nullptr || documents == nullptr) return;
  HcDocument* current = documents->curDocument();
  if (current != nullptr && documents->lockDocument(current)) m_document = current;
}

void DrawingPropsSession::unlockDocument() {
  HcDocManager* documents = hcDocManagerPtr();
  if (m_document != nullptr && documents != nullptr) documents->unlockDocument(m_document);
  m_document = nullptr;
}

bool DrawingPropsSession::openDatabase() {
  if (!m_db) m_db = VoxDbxCreateBlockRef();
  if (m_db && m_db->open(m_path, VoxDbxDatabase::kOpenForWrite, false)) return true;
  drawingPropsMessage(kMsgDrawingNotOpened, {m_path, m_db ? m_db->lastError() : std::wstring()});
  return false;
}

bool DrawingPropsSession::closeDatabase() {
  if (!m_db || !m_db->isOpen()) return true;
  if (m_db->close(true)) return true;
  drawingPropsMessage(kMsgDrawingNotSaved, {m_path, m_db->lastError()});
  m_db->close(false);
  return false;
}

}  // namespace vox::dialogs
