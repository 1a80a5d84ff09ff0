#include "platform/assembly/InstalledLayout.h"

#include <filesystem>

namespace vox::platform {
namespace {

// Relative to the programs' folder; set from the install directories at configure time.
#ifndef VOX_INSTALLED_MODULE
#define VOX_INSTALLED_MODULE "../lib/voxfolio/libvoxfolio.so"
#endif
#ifndef VOX_INSTALLED_DATA
#define VOX_INSTALLED_DATA "../share/voxfolio"
#endif

std::string existing(const std::filesystem::path& path, const std::string& otherwise) {
  std::error_code error;
  return std::filesystem::exists(path, error) ? path.lexically_normal().string() : otherwise;
}

}  // namespace

AppFiles installedAppFiles(const std::string& programFolder, const AppFiles& buildTree) {
  if (programFolder.empty()) return buildTree;
  const std::filesystem::path bin(programFolder);
  const std::filesystem::path data = bin / VOX_INSTALLED_DATA;
  AppFiles files;
  files.module = existing(bin / VOX_INSTALLED_MODULE, buildTree.module);
  std::error_code error;
  const bool catalogThere = std::filesystem::exists(data / "resources" / "voxfolio-messages.txt", error);
  files.resources = catalogThere ? data.lexically_normal().string() : buildTree.resources;
  files.blocks = existing(data / "samples" / "blocks", buildTree.blocks);
  return files;
}

std::string runningProgramFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : self.parent_path().string();
}

}  // namespace vox::platform
