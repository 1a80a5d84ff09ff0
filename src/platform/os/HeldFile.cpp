#include "platform/os/HeldFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace vox::os {
namespace {

// A name whose fresh file keeps being taken away (by someone removing an abandoned one at the
// moment it was made) is tried this often.
constexpr int kAttemptsPerName = 4;

// Opens the file under `path` and takes its lock when nobody holds it; invalid otherwise.
native::Descriptor openAbandoned(const std::string& path) {
  native::Descriptor fd(::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (!fd.valid() || !native::isRegular(fd.get()) || !native::tryLock(fd.get()) ||
      !native::stillNamed(fd.get(), path)) {
    return native::Descriptor();
  }
  return fd;
}

}  // namespace

std::optional<HeldFile> HeldFile::create(const NumberedNames& names, unsigned mode, OsError* error) {
  for (int number = 0; number < NumberedNames::kNumberedNameCount; ++number) {
    const std::string path = names.at(number);
    for (int attempt = 0; attempt < kAttemptsPerName; ++attempt) {
      native::Descriptor fd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
      if (!fd.valid()) {
        if (errno == EEXIST) break;  // taken: try the next name
        fail(error, errno);
        return std::nullopt;
      }
      // Only someone checking whether the file is abandoned can hold the lock now, and only
      // for a moment; if that one removed the file, the name is tried again.
      if (!native::waitForLock(fd.get())) {
        fail(error, errno);
        return std::nullopt;
      }
      if (native::stillNamed(fd.get(), path)) return HeldFile(std::move(fd), path);
    }
  }
  fail(error, EBUSY);
  return std::nullopt;
}

void HeldFile::remove() {
  if (!fd_.valid()) return;
  if (native::stillNamed(fd_.get(), path_)) ::unlink(path_.c_str());
  fd_.close();
}

void removeAbandoned(const NumberedNames& names) {
  for (int number = 0; number < NumberedNames::kNumberedNameCount; ++number) {
    const std::string path = names.at(number);
    const native::Descriptor fd = openAbandoned(path);
    if (fd.valid()) ::unlink(path.c_str());  // while its lock is held: nobody can have it meanwhile
  }
}

std::vector<std::string> findAbandoned(const NumberedNames& names) {
  std::vector<std::string> found;
  for (int number = 0; number < NumberedNames::kNumberedNameCount; ++number) {
    std::string path = names.at(number);
    if (openAbandoned(path).valid()) found.push_back(std::move(path));
  }
  return found;
}

}  // namespace vox::os
