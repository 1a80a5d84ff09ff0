#include "platform/os/AccountName.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

#include "platform/os/NativePath.h"

namespace vox::os {

std::wstring accountFullName(const std::wstring& login) {
  const std::string name = encodeFileName(login);
  const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
  passwd entry {};
  passwd* found = nullptr;
  if (::getpwnam_r(name.c_str(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
      found->pw_gecos == nullptr)
    return {};
  std::string gecos(found->pw_gecos);
  if (const std::size_t comma = gecos.find(','); comma != std::string::npos) gecos.resize(comma);
  return decodeFileName(gecos);
}

}  // namespace vox::os
