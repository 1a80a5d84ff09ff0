// Forwarding of the utility library's functions to the installed service.

#include "host/VoxUtils.h"

#include "host/VoxSiblingServices.h"

namespace {

VoxUtils* utils() { return voxSiblingServices().utils; }

}  // namespace

bool LispCheckFileLockStatusAndLock(const std::vector<std::wstring>& files, int lock, int drawings,
                                    std::vector<std::wstring>& locked) {
  return utils() != nullptr && utils()->checkFileLockStatusAndLock(files, lock, drawings, locked);
}
bool LispUpdUnlockFiles(const std::vector<std::wstring>& locked) {
  return utils() != nullptr && utils()->unlockFiles(locked);
}
bool VoxGetRegSetting(const std::wstring& key, const std::wstring& name, std::wstring& out) {
  return utils() != nullptr && utils()->getRegSetting(key, name, out);
}
bool VoxSetRegSetting(const std::wstring& key, const std::wstring& name, const std::wstring& value) {
  return utils() != nullptr && utils()->setRegSetting(key, name, value);
}
bool VoxBeginWaitCursor() { return utils() != nullptr && utils()->beginWaitCursor(); }
void VoxEndWaitCursor() {
  if (utils() != nullptr) utils()->endWaitCursor();
}
void VoxKivEmitter(const std::wstring& name) {
  if (utils() != nullptr) utils()->recordUse(name);
}
