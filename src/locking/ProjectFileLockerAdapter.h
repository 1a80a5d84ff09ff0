#pragma once
// The project manager's file locker: a VoxPrmVirtualFileLocker behind the manager's interface.

#include <memory>

#include "core/ManagerFileServices.h"

namespace vox::locking {

std::unique_ptr<core::ProjectFileLocker> makeProjectFileLocker();

}  // namespace vox::locking
