#pragma once
// What the compare command holds while it runs: the lock of the drawing, the drawing's
// database, the lock of the project file. Whichever way the command ends, the database is
// closed (saved only through closeDatabase(true)) and every lock taken is released.

#include <memory>
#include <string>
#include <vector>

#include "host/VoxDbxBlockRef.h"

namespace vox::module {

class CompareSession {
 public:
  CompareSession(std::wstring drawing, std::wstring projectID);
  ~CompareSession();
  CompareSession(const CompareSession&) = delete;
  CompareSession& operator=(const CompareSession&) = delete;

  // Locks the drawing for editing; false when it does not exist (with a message) or when refused.
  bool lockDrawing();
  // Opens the drawing's database for writing; false, with a message naming it, on failure.
  bool openDatabase();
  // Locks the project file without prompts; false when refused.
  bool lockProject();
  // Closes the database, saving it or not; false, with a message, when saving failed.
  bool closeDatabase(bool save);
  VoxDbxBlockRef& db() { return *m_db; }

 private:
  std::wstring m_drawing;
  std::wstring m_projectID;
  std::vector<std::wstring> m_drawingLocks;
  std::vector<std::wstring> m_projectLocks;
  std::unique_ptr<VoxDbxBlockRef> m_db;
};

// Shows an exclamation message box with resource string `text` (and its inserts) under the
// resource string `caption`, with the module's resources.
void compareMessage(unsigned text, unsigned caption, const std::vector<std::wstring>& inserts = {});

// Resource strings of the compare command.
inline constexpr unsigned kMsgCompareCaption = 680;
inline constexpr unsigned kMsgNoOpenProject = 284;       // caption 285
inline constexpr unsigned kMsgNoOpenProjectCaption = 285;
inline constexpr unsigned kMsgProjectNotOpen = 286;      // caption 287
inline constexpr unsigned kMsgProjectNotOpenCaption = 287;
inline constexpr unsigned kMsgNoSettingsBlock = 272;     // caption 273
inline constexpr unsigned kMsgNoSettingsBlockCaption = 273;
inline constexpr unsigned kMsgCompareDrawingMissing = 681;  // "%s": the drawing
inline constexpr unsigned kMsgCompareNotOpened = 682;       // "%s": the drawing, "%s": why
inline constexpr unsigned kMsgCompareNotSaved = 693;        // "%s": the drawing, "%s": why
inline constexpr unsigned kMsgCompareProjectNotWritten = 694;  // "%s": the project file
inline constexpr unsigned kMsgCompareBlockNotWritten = 695;    // "%s": the drawing

}  // namespace vox::module
