#pragma once
// Keeps the sibling modules in step with the active project: the project-monitor client
// (database, project variables, which drawings it monitors) and the per-document global manager,
// and tells the LISP core when a project becomes active or was re-read. It subscribes to 14
// project events when built (only when the project manager exists) and unsubscribes when
// destroyed. Monitorable drawings are the entries that are not references.

#include <string>
#include <vector>

#include "core/ProjectEvent.h"
#include "records/VoxPrmFileDetails.h"
#include "records/VoxPrmMiscProjSettings.h"

class VoxPrmProject;
class VoxPrmProjectManager;

class VoxPrmSubsystemNotifier : public VoxPrmProjectEventReceiver {
 public:
  VoxPrmSubsystemNotifier();
  ~VoxPrmSubsystemNotifier() override;
  VoxPrmSubsystemNotifier(const VoxPrmSubsystemNotifier&) = delete;
  VoxPrmSubsystemNotifier& operator=(const VoxPrmSubsystemNotifier&) = delete;

  bool isSubscribed() const { return m_subscribed; }

  void onProjectOpen(const std::wstring& id);
  void onProjectClose(const std::wstring& id);
  void onProjectCloseAllNA() {}
  void onProjectSetActive(const std::wstring& id);
  void onProjectDeactivate(const std::wstring& id);
  void onPreProjectReRead(const std::wstring& id);
  void onProjectReRead(const std::wstring& id);
  void onProjectAddDrawing(const std::wstring& id, const VoxPrmFileDetails& added);
  void onProjectAddDrawings(const std::wstring& id, const std::vector<VoxPrmFileDetails>& added);
  void onProjectRemoveDrawing(const std::wstring& id, const std::wstring& path, bool isReference);
  void onProjectRemoveDrawings(const std::wstring& id, const std::vector<VoxPrmFileDetails>& removed);
  void onProjectReplaceDrawing(const std::wstring& id, const std::wstring& from, const std::wstring& to, bool isReference);
  void onPreProjectDrawingDetailsModify(const std::wstring& id, const VoxPrmFileDetails& details);
  void onPreProjectSetMiscProjectSettings(const std::wstring& id, const VoxPrmMiscProjSettings& settings);

 private:
  template <typename Visit>
  void forEachSubscription(VoxPrmProjectManager& manager, Visit visit);
  // The manager when the project is its active one, else null.
  static VoxPrmProjectManager* activeManagerFor(const std::wstring& id);
  void openWithProjectMonitor(VoxPrmProjectManager& manager, const std::wstring& id, const VoxPrmProject& project);

  bool m_subscribed = false;
  std::vector<std::wstring> m_snapshotPaths;  // upper-cased
  int m_snapshotSetting10 = 0;
  int m_snapshotSetting13 = 0;
};
