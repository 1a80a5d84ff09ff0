#pragma once
// The file locker and file notifier the module's project manager is built with.

#include "core/ManagerFileServices.h"

namespace vox::module {

core::ManagerParts moduleManagerParts();

}  // namespace vox::module
