#include "platform/siblings/UtilsStandIn.h"

namespace vox::siblings {

UtilsStandIn::UtilsStandIn(HcSettingsStore* store, std::wstring usageFolder, CallLog& log)
    : settings_(store), usage_(std::move(usageFolder)), log_(log) {}

bool UtilsStandIn::checkFileLockStatusAndLock(const std::vector<std::wstring>& files, int lock, int drawings,
                                              std::vector<std::wstring>& locked) {
  log_.record(L"LispCheckFileLockStatusAndLock", {argText(files), argText(lock), argText(drawings)});
  return locks_.lock(files, lock != 0, drawings != 0, locked);
}

bool UtilsStandIn::unlockFiles(const std::vector<std::wstring>& locked) {
  log_.record(L"LispUpdUnlockFiles", {argText(locked)});
  return locks_.unlock(locked);
}

bool UtilsStandIn::getRegSetting(const std::wstring& key, const std::wstring& name, std::wstring& out) const {
  log_.record(L"VoxGetRegSetting", {key, name});
  return settings_.get(key, name, out);
}

bool UtilsStandIn::setRegSetting(const std::wstring& key, const std::wstring& name, const std::wstring& value) {
  log_.record(L"VoxSetRegSetting", {key, name, value});
  return settings_.set(key, name, value);
}

bool UtilsStandIn::beginWaitCursor() {
  log_.record(L"VoxBeginWaitCursor");
  cursor_.begin();
  return true;
}

void UtilsStandIn::endWaitCursor() {
  log_.record(L"VoxEndWaitCursor");
  cursor_.end();
}

void UtilsStandIn::recordUse(const std::wstring& name) {
  log_.record(L"VoxKivEmitter", {name});
  usage_.record(name);
}

}  // namespace vox::siblings
