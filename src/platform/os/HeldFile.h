#pragma once
// Files that a writer creates beside (or for) a target under numbered names and holds under an
// exclusive open-file-description lock while it works on them: the temporary file that becomes
// the target, or the recovery copy of the target's old content. The lock ends with the writer's
// process, so a file under such a name whose lock is free was left behind by a writer that is
// gone: the next writer removes such temporaries, and recovery copies are looked for by name.
// Paths here are native.

#include <optional>
#include <string>
#include <vector>

#include "platform/os/OsError.h"
#include "platform/os/NativeFile.h"

namespace vox::os {

// The names "<stem><n><suffix>" for n = 0 .. kNumberedNameCount - 1: as many writers of one
// target as that can work at the same time.
struct NumberedNames {
  static constexpr int kNumberedNameCount = 8;
  std::string stem;
  std::string suffix;
  std::string at(int number) const { return stem + std::to_string(number) + suffix; }
};

class HeldFile {
 public:
  // Creates a new file under the first free name (permission bits `mode` less the umask, no
  // link followed) and takes its lock. EBUSY when every name is taken.
  static std::optional<HeldFile> create(const NumberedNames& names, unsigned mode, OsError* error = nullptr);

  HeldFile(HeldFile&& other) noexcept = default;
  HeldFile& operator=(HeldFile&& other) noexcept = default;
  // Lets go of the file; the file stays.
  ~HeldFile() = default;

  int descriptor() const { return fd_.get(); }
  const std::string& path() const { return path_; }

  // Deletes the file while still holding it, so nobody takes over the name in between, then
  // lets go. A file at the path that is no longer this one (it was renamed) is left alone.
  void remove();
  // Lets go of the file, which stays.
  void release() { fd_.close(); }

 private:
  HeldFile(native::Descriptor fd, std::string path) : fd_(std::move(fd)), path_(std::move(path)) {}

  native::Descriptor fd_;
  std::string path_;
};

// Removes the files under `names` that nobody holds. A link or anything but a regular file
// under such a name is left alone.
void removeAbandoned(const NumberedNames& names);
// The files under `names` that nobody holds, left where they are.
std::vector<std::string> findAbandoned(const NumberedNames& names);

}  // namespace vox::os
