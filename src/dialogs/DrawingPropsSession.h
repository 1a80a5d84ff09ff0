#pragma once
// What one edit of drawing properties holds while it runs: the drawing's database, the locks
// it took (the drawing, the project file, the current document) and the project it works with.
// Every lock is released and the database closed when the session ends, whichever way the edit
// ends; only an explicit closeDatabase saves.

#include <memory>
#include <string>
#include <vector>

#include "host/VoxDbxBlockRef.h"

class HcDocument;
class VoxPrmProject;

namespace vox::dialogs {

class DrawingPropsSession {
 public:
  DrawingPropsSession(std::wstring path, std::wstring projectID);
  ~DrawingPropsSession();
  DrawingPropsSession(const DrawingPropsSession&) = delete;
  DrawingPropsSession& operator=(const DrawingPropsSession&) = delete;

  const std::wstring& path() const { return m_path; }
  // Empty without a project, or after its lock was refused.
  const std::wstring& projectID() const { return m_projectID; }
  // The open project of projectID(), looked up anew each time; null without one.
  VoxPrmProject* project() const;

  // Locks the drawing for editing; false, with a message when it does not exist, when refused.
  bool lockDrawing();
  // Locks the project file without prompts; when refused, the session goes on without project.
  void lockProject();
  void unlockProject();
  // Locks the host's current document (none: nothing) until unlockDocument or the end.
  void lockDocument();
  void unlockDocument();

  // Opens the drawing's database for writing; false, with a message naming it, on failure.
  bool openDatabase();
  // Closes the database, saving it when it changed; false, with a message, when saving failed.
  bool closeDatabase();
  VoxDbxBlockRef& db() { return *m_db; }

 private:
  void releaseLocks();

  std::wstring m_path;
  std::wstring m_projectID;
  std::vector<std::wstring> m_drawingLocks;
  std::vector<std::wstring> m_projectLocks;
  HcDocument* m_document = nullptr;
  std::unique_ptr<VoxDbxBlockRef> m_db;
};

// Shows an exclamation message box with resource string `text` and its inserts.
void drawingPropsMessage(unsigned text, const std::vector<std::wstring>& inserts);

}  // namespace vox::dialogs
