#pragma once
// A project manager installed in a headless host with the LISP core and sibling stand-ins, and
// a recorder of the events that open, close and activate projects.

#include <string>
#include <vector>

#include "core/ModuleObjects.h"
#include "core/PendingRequestQueue.h"
#include "core/ProjectNames.h"
#include "core/VoxPrmProjectManager.h"
#include "support/HostFixture.h"

namespace vox::test {

// Records "open P", "close P", "closeAllNA", "setActive P", "actived P", "deactivate P" with
// the project names of the IDs.
class LifecycleRecorder : public VoxPrmProjectEventReceiver {
 public:
  explicit LifecycleRecorder(VoxPrmProjectManager& manager);
  ~LifecycleRecorder() override;

  std::vector<std::wstring> events;

 private:
  void record(const wchar_t* what, const std::wstring& id) { events.push_back(what + core::projectNameFromId(id)); }
  void onOpen(const std::wstring& id) { record(L"open ", id); }
  void onClose(const std::wstring& id) { record(L"close ", id); }
  void onCloseAllNA() { events.emplace_back(L"closeAllNA"); }
  void onSetActive(const std::wstring& id) { record(L"setActive ", id); }
  void onActived(const std::wstring& id) { record(L"actived ", id); }
  void onDeactivate(const std::wstring& id) { record(L"deactivate ", id); }

  VoxPrmProjectManager& manager_;
};

class ManagerFixture : public StandInHostFixture {
 protected:
  // `parts` give the manager its file watcher and locker; none by default.
  explicit ManagerFixture(core::ManagerParts parts = {});
  ~ManagerFixture() override;

  // Writes a project file (native path relative to the temporary folder); its module path.
  std::wstring project(const std::string& relative, const std::string& content = "*[1]Demo\r\nA.dwg\r\n");

  core::NavigationState navigation;
  VoxPrmProjectManager manager;
};

}  // namespace vox::test
