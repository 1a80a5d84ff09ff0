#pragma once
// Where an app finds the module's shared library, the message catalog's folder and the block
// library: beside the running program as installed (bin/../lib/voxfolio/libvoxfolio.so,
// bin/../share/voxfolio/resources/..., bin/../share/voxfolio/samples/blocks), else the build
// tree's places the app was built with. Each part is found on its own.

#include <string>

namespace vox::platform {

struct AppFiles {
  std::string module;     // the module's shared library
  std::string resources;  // folder holding resources/voxfolio-messages.txt
  std::string blocks;     // the block library
};

// `buildTree`: the places to use for what is not installed beside `programFolder`.
AppFiles installedAppFiles(const std::string& programFolder, const AppFiles& buildTree);
// The folder of the running program (from /proc/self/exe); empty when it cannot be told.
std::string runningProgramFolder();

}  // namespace vox::platform
