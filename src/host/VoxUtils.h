#pragma once
// The add-on's utility library as the module uses it: the add-on's locks on project files and
// drawings, the add-on's registry settings, the wait cursor and the usage recorder.
// The free functions forward to the installed service (see VoxSiblingServices.h); with none
// installed they fail (false) or do nothing.

#include <string>
#include <vector>

class VoxUtils {
 public:
  virtual ~VoxUtils() = default;

  // Takes the add-on's lock on each of `files` (project files when `drawings` is 0, drawings
  // when it is 1) and appends to `locked` every file it locked, in order. A file someone already
  // holds is neither locked nor listed. True when every file was locked. With `lock` 0 nothing
  // is taken: the answer says whether every file could be locked.
  virtual bool checkFileLockStatusAndLock(const std::vector<std::wstring>& files, int lock, int drawings,
                                          std::vector<std::wstring>& locked) = 0;
  // Releases exactly the listed files that this service locked; true when each was held.
  virtual bool unlockFiles(const std::vector<std::wstring>& locked) = 0;

  // A string value of the add-on's registry settings: sub-key `key`, value `name`.
  virtual bool getRegSetting(const std::wstring& key, const std::wstring& name, std::wstring& out) const = 0;
  virtual bool setRegSetting(const std::wstring& key, const std::wstring& name, const std::wstring& value) = 0;

  // Shows the wait cursor; calls nest, the cursor goes when every begin has had its end.
  virtual bool beginWaitCursor() = 0;
  virtual void endWaitCursor() = 0;

  // Records one use of a command or dialog by name.
  virtual void recordUse(const std::wstring& name) = 0;
};

bool LispCheckFileLockStatusAndLock(const std::vector<std::wstring>& files, int lock, int drawings,
                                    std::vector<std::wstring>& locked);
bool LispUpdUnlockFiles(const std::vector<std::wstring>& locked);
bool VoxGetRegSetting(const std::wstring& key, const std::wstring& name, std::wstring& out);
bool VoxSetRegSetting(const std::wstring& key, const std::wstring& name, const std::wstring& value);
bool VoxBeginWaitCursor();
void VoxEndWaitCursor();
void VoxKivEmitter(const std::wstring& name);
