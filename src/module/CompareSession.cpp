#include "module/CompareSession.h"

#include "host/HcInteraction.h"
#include "host/HcMessageCatalog.h"
#include "host/ResourceText.h"
#include "host/VoxUtils.h"
#include "platform/os/Files.h"

namespace vox::module {

void compareMessage(unsigned text, unsigned caption, const std::vector<std::wstring>& inserts) {
  if (HcInteraction* interaction = hcInteraction()) {
    const HcResourceScope resources;
    interaction->messageBox(host::resourceText(text, inserts), host::resourceText(caption), HcIcon::kExclamation,
                            HcButtons::kOk);
  }
}

CompareSession::CompareSession(std::wstring drawing, std::wstring projectID)
    : m_drawing(std::move(drawing)), m_projectID(std::move(projectID)) {}

CompareSession::~CompareSession() {
  if (m_db && m_db->isOpen()) m_db->close(false);
  if (!m_projectLocks.empty()) LispUpdUnlockFiles(m_projectLocks);
  if (!m_drawingLocks.empty()) LispUpdUnlockFiles(m_drawingLocks);
}

bool CompareSession::lockDrawing() {
  if (!os::fileExists(m_drawing)) {
    compareMessage(kMsgCompareDrawingMissing, kMsgCompareCaption, {m_drawing});
    return false;
  }
  return LispCheckFileLockStatusAndLock({m_drawing}, 1, 1, m_drawingLocks);
}

bool CompareSession::openDatabase() {
  if (!m_db) m_db = VoxDbxCreateBlockRef();
  if (m_db && m_db->open(m_drawing, VoxDbxDatabase::kOpenForWrite, false)) return true;
  compareMessage(kMsgCompareNotOpened, kMsgCompareCaption, {m_drawing, m_db ? m_db->lastError() : std::wstring()});
  return false;
}

bool CompareSession::lockProject() { return LispCheckFileLockStatusAndLock({m_projectID}, 1, 0, m_projectLocks); }

bool CompareSession::closeDatabase(bool save) {
  if (!m_db || !m_db->isOpen()) return true;
  if (m_db->close(save)) return true;
  compareMessage(kMsgCompareNotSaved, kMsgCompareCaption, {m_drawing, m_db->lastError()});
  m_db->close(false);
  return false;
}

}  // namespace vox::module
