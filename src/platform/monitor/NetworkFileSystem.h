#pragma once
// Whether a folder lies on a file system whose changes made on other machines inotify never
// sees (NFS, SMB/CIFS, FUSE, 9P, AFS, Coda), told by statfs's file system type.

#include <string>

namespace vox::monitor {

bool isNetworkFileSystemType(long type);
// False too when the folder cannot be examined.
bool onNetworkFileSystem(const std::string& nativeFolder);

}  // namespace vox::monitor
