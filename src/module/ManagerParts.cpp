#include "module/ManagerParts.h"

#include "locking/ProjectFileLockerAdapter.h"
#include "locking/ProjectFileWatcherAdapter.h"

namespace vox::module {

core::ManagerParts moduleManagerParts() {
  core::ManagerParts parts;
  parts.makeWatcher = [] { return locking::makeProjectFileWatcher(); };
  parts.makeLocker = [] { return locking::makeProjectFileLocker(); };
  return parts;
}

}  // namespace vox::module
