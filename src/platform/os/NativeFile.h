#pragma once
// Pieces of file handling on native paths shared by the file classes of this layer: an owned
// descriptor, whole-buffer writes that resume after interruptions, copying a file's content,
// the exclusive open-file-description lock that tells a live writer from one that is gone, and
// flushing a folder's entries to disk.

#include <sys/types.h>

#include <string>
#include <string_view>

namespace vox::os::native {

// Closes its descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  Descriptor(Descriptor&& other) noexcept;
  Descriptor& operator=(Descriptor&& other) noexcept;
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor();

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now; false when the close reported an error (a late write error on some systems).
  bool close();

 private:
  int fd_;
};

// Writes all of `bytes` at `offset`; false with errno set on failure.
bool writeAllAt(int fd, std::string_view bytes, off_t offset);
// Makes `to` hold exactly what `from` holds (both read and written from offset 0).
bool copyContent(int from, int to);

// An exclusive write lock on the whole file, held by the open file description (so per open,
// not per process) and dropped when the last descriptor of that open is closed.
bool tryLock(int fd);
bool waitForLock(int fd);
// Whether `path` still names the file open as `fd` (a link at `path` does not).
bool stillNamed(int fd, const std::string& path);
bool isRegular(int fd);

// Flushes the folder's entries (a rename in it) to disk; best effort.
void syncFolder(const std::string& folder);
std::string folderOf(const std::string& path);
// The file a link names (so that replacing it keeps the link); `path` itself when it is no link.
std::string resolveLinks(const std::string& path);
std::string nameOf(const std::string& path);

}  // namespace vox::os::native
