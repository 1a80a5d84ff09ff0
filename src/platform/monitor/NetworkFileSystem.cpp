#include "platform/monitor/NetworkFileSystem.h"

#include <sys/vfs.h>

#include <array>
#include <cstdint>

namespace vox::monitor {

namespace {

// Magic numbers of the kernel's file system types (linux/magic.h and the file systems' own).
constexpr std::array<std::uint32_t, 8> kNetworkTypes = {
    0x6969,      // NFS
    0x517B,      // SMB
    0xFF534D42,  // CIFS
    0xFE534D42,  // SMB2
    0x65735546,  // FUSE
    0x01021997,  // 9P
    0x5346414F,  // AFS
    0x73757245,  // Coda
};

}  // namespace

bool isNetworkFileSystemType(long type) {
  const auto magic = static_cast<std::uint32_t>(type);
  for (const std::uint32_t t : kNetworkTypes)
    if (t == magic) return true;
  return false;
}

bool onNetworkFileSystem(const std::string& nativeFolder) {
  struct statfs fs {};
  if (::statfs(nativeFolder.c_str(), &fs) != 0) return false;
  return isNetworkFileSystemType(static_cast<long>(fs.f_type));
}

}  // namespace vox::monitor
