#include "platform/settings/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/os/NativeFile.h"
#include "platform/os/ReplaceFile.h"
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

}  // namespace

FileStamp stampOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? stampFrom(st) : FileStamp{};
}

FileContent readSettingsFile(const std::string& path) {
  FileContent content;
  const os::native::Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
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
  os::OsError failed;
  // The user's settings are the user's alone.
  std::optional<os::ReplaceFile> file = os::ReplaceFile::openNative(path, &failed, os::ReplaceOptions{0600, {}});
  if (file) {
    file->append(bytes);
    file->modifiedAfter(previous.mtimeNs);
    if (file->commit(&failed)) return file->version();
  }
  error = failure(L"cannot write", path, failed.code);
  return std::nullopt;
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
