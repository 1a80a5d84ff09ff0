#include "locking/ProjectFileLockerAdapter.h"

#include "locking/VoxPrmVirtualFileLocker.h"

namespace vox::locking {
namespace {

class ProjectFileLockerAdapter : public core::ProjectFileLocker {
 public:
  bool lockFile(const std::wstring& path) override { return m_locker.lockFile(path.c_str()); }
  bool unlockFile(const std::wstring& path) override { return m_locker.unlockFile(path.c_str()); }
  bool unlockAllFiles() override { return m_locker.unlockAllFiles(); }
  bool isLocked(const std::wstring& path) override { return m_locker.isLocked(path.c_str()); }
  _lockStatus whoLocked(const std::wstring& path, std::wstring& holder) override {
    return m_locker.whoLocked(path.c_str(), holder);
  }
  _lockStatus whoLocked(const std::wstring& path, std::wstring& holder, std::wstring& machine,
                        std::wstring& time) override {
    return m_locker.whoLocked(path.c_str(), holder, machine, time);
  }

 private:
  VoxPrmVirtualFileLocker m_locker;
};

}  // namespace

std::unique_ptr<core::ProjectFileLocker> makeProjectFileLocker() { return std::make_unique<ProjectFileLockerAdapter>(); }

}  // namespace vox::locking
