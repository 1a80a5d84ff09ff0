#pragma once
// The project manager's file watcher: a VoxPrmFileNotifier whose five events go to the
// manager's handlers.

#include <memory>

#include "core/ManagerFileServices.h"

namespace vox::locking {

std::unique_ptr<core::ProjectFileWatcher> makeProjectFileWatcher();

}  // namespace vox::locking
