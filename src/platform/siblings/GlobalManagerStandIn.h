#pragma once
// The per-document global manager of the reference host, kept apart from the LISP interpreter:
// the globals are a small table of values by name (letter case ignored) that the host may fill
// with setGlobal. The manager holds the open projects and the current one:
// - making a project current first keeps a copy of the previous current project's globals,
//   then brings back the copy kept for the new one (if any), and sets "GBL_wd_prj" to its ID;
// - closing a project drops its copy; closing the current one also clears "GBL_wd_prj";
// - backupActive keeps a copy of the current project's globals now.
// Every call is recorded in the call log.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/VoxMDIGblManager.h"
#include "platform/siblings/CallLog.h"
#include "platform/siblings/CaseInsensitiveLess.h"

namespace vox::siblings {

inline constexpr wchar_t kCurrentProjectGlobal[] = L"GBL_wd_prj";

class GlobalManagerStandIn : public VoxMDIGblManager {
 public:
  using Globals = std::map<std::wstring, HcResBuf, CaseInsensitiveLess>;

  explicit GlobalManagerStandIn(CallLog& log) : log_(log) {}

  bool openProject(const std::wstring& project) override;
  bool closeProject(const std::wstring& project) override;
  bool setCurrentProject(const std::wstring& project) override;
  bool backupActive() override;
  bool globalValue(const std::wstring& name, HcResBuf& out) const override;

  void setGlobal(const std::wstring& name, HcResBuf value) { globals_[name] = std::move(value); }
  void eraseGlobal(const std::wstring& name) { globals_.erase(name); }

  const std::vector<std::wstring>& openProjects() const { return open_; }
  const std::wstring& currentProject() const { return current_; }
  // The copy of a project's globals, if one was kept.
  std::optional<Globals> backup(const std::wstring& project) const;

 private:
  bool isOpen(const std::wstring& project) const;

  CallLog& log_;
  Globals globals_;
  std::vector<std::wstring> open_;
  std::wstring current_;
  std::map<std::wstring, Globals, CaseInsensitiveLess> backups_;
};

}  // namespace vox::siblings
