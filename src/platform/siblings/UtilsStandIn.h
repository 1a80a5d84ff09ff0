#pragma once
// The utility library of the reference host: the add-on's lock service, its registry settings,
// the wait cursor and the usage recorder (see the classes it is made of). Every call is
// recorded in the call log.

#include <string>
#include <vector>

#include "host/VoxUtils.h"
#include "platform/siblings/AddOnLockService.h"
#include "platform/siblings/AddOnSettings.h"
#include "platform/siblings/CallLog.h"
#include "platform/siblings/UsageLog.h"
#include "platform/siblings/WaitCursor.h"

namespace vox::siblings {

class UtilsStandIn : public VoxUtils {
 public:
  // Settings in `store` (borrowed, may be null), usage lines in `usageFolder`, calls in `log`
  // (borrowed).
  UtilsStandIn(HcSettingsStore* store, std::wstring usageFolder, CallLog& log);

  bool checkFileLockStatusAndLock(const std::vector<std::wstring>& files, int lock, int drawings,
                                  std::vector<std::wstring>& locked) override;
  bool unlockFiles(const std::vector<std::wstring>& locked) override;
  bool getRegSetting(const std::wstring& key, const std::wstring& name, std::wstring& out) const override;
  bool setRegSetting(const std::wstring& key, const std::wstring& name, const std::wstring& value) override;
  bool beginWaitCursor() override;
  void endWaitCursor() override;
  void recordUse(const std::wstring& name) override;

  AddOnLockService& locks() { return locks_; }
  const WaitCursor& waitCursor() const { return cursor_; }
  const UsageLog& usageLog() const { return usage_; }

 private:
  AddOnLockService locks_;
  AddOnSettings settings_;
  WaitCursor cursor_;
  UsageLog usage_;
  CallLog& log_;
};

}  // namespace vox::siblings
