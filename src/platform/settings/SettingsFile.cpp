#include "platform/settings/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/os/Files.h"
#include "platform/settings/SettingsText.h"

namespace vox::settings {
namespace {

std::wstring failure(const std::wstring& what, const std::string& path, int code) {
  return what + L" " + displayPath(path) + L": " + os::osError(code).message;
}

FileStamp stampFrom(const struct stat& st) {
  return {st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec, static_cast<long long>(st.st_size),
          static_cast<unsigned long long>(st.st_ino), static_cast<unsigned long long>(st.st_dev)};
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, reporting whether the close succeeded (it can report a late write error).
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool writeAll(int fd, const std::string& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool readAll(int fd, std::string& out, std::size_t limit) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0 || out.size() > limit) return true;
    out.append(buffer, static_cast<std::size_t>(n));
  }
}

// Moves the file's modification time past `previous` when the clock has not (its resolution
// is coarser than a quick succession of changes).
bool stampAfter(int fd, const FileStamp& previous, FileStamp& stamp) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return false;
  stamp = stampFrom(st);
  if (stamp.mtimeNs > previous.mtimeNs) return true;
  const long long later = previous.mtimeNs + 1;
  const struct timespec times[2] = {{0, UTIME_OMIT}, {later / 1000000000LL, later % 1000000000LL}};
  if (::futimens(fd, times) != 0) return false;
  stamp.mtimeNs = later;
  return true;
}

void syncFolderOf(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  const Descriptor fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());  // best effort: the rename is already visible
}

}  // namespace

FileStamp stampOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? stampFrom(st) : FileStamp{};
}

FileContent readSettingsFile(const std::string& path) {
  FileContent content;
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat st {};
  if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
    content.status = errno == ENOENT ? FileContent::Status::kMissing : FileContent::Status::kFailed;
    if (content.status == FileContent::Status::kFailed) content.error = failure(L"cannot read", path, errno);
    return content;
  }
  content.stamp = stampFrom(st);
  if (!readAll(fd.get(), content.bytes, kMaxSettingsFileSize)) {
    content.status = FileContent::Status::kFailed;
    content.error = failure(L"cannot read", path, errno);
  } else if (static_cast<long long>(content.bytes.size()) > kMaxSettingsFileSize) {
    content.status = FileContent::Status::kTooLarge;
    content.bytes.clear();
  } else {
    content.status = FileContent::Status::kRead;
  }
  return content;
}

std::optional<FileStamp> writeAtomically(const std::string& path, const std::string& bytes, const FileStamp& previous,
                                         std::wstring& error) {
  std::string temp = path + ".XXXXXX";
  Descriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
  if (fd.get() < 0) {
    error = failure(L"cannot write", path, errno);
    return std::nullopt;
  }
  FileStamp stamp;
  const bool written = writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && stampAfter(fd.get(), previous, stamp);
  const int code = errno;
  if (!fd.close() || !written || ::rename(temp.c_str(), path.c_str()) != 0) {
    error = failure(L"cannot write", path, written ? errno : code);
    ::unlink(temp.c_str());
    return std::nullopt;
  }
  syncFolderOf(path);
  return stamp;
}

std::optional<std::string> setAside(const std::string& path, std::wstring& error) {
  for (int n = 1; n <= 1000; ++n) {
    const std::string aside = path + ".corrupt-" + std::to_string(n);
    struct stat st {};
    if (::lstat(aside.c_str(), &st) == 0) continue;
    if (::rename(path.c_str(), aside.c_str()) == 0) return aside;
    error = failure(L"cannot keep aside the unreadable", path, errno);
    return std::nullopt;
  }
  error = L"too many unreadable settings files are kept beside " + displayPath(path);
  return std::nullopt;
}

bool ensureFolder(const std::string& folder, std::wstring& error) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!ec) return true;
  error = L"cannot create the settings folder " + displayPath(folder) + L": " + fromUtf8(ec.message());
  return false;
}

}  // namespace vox::settings
