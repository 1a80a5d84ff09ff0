#include "platform/os/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/os/InPlaceRewrite.h"
#include "platform/os/NativeFile.h"
#include "platform/os/NativePath.h"

namespace vox::os {
namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
// Keeps a temporary file's name within the usual 255-byte limit of a file name.
constexpr std::size_t kNameBytes = 200;

FileVersion versionOf(const struct stat& st) {
  return {st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec, static_cast<long long>(st.st_size),
          static_cast<unsigned long long>(st.st_ino), static_cast<unsigned long long>(st.st_dev)};
}

// The folder refuses new files (as opposed to not being there, or a full disk).
bool refusesNewFiles(int code) { return code == EACCES || code == EPERM; }

// Moves the file's modification time past `after` when the clock has not (its resolution is
// coarser than a quick succession of changes).
bool modifiedLaterThan(int fd, long long after) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return false;
  if (versionOf(st).mtimeNs > after) return true;
  const long long later = after + 1;
  const struct timespec times[2] = {{0, UTIME_OMIT}, {later / 1000000000LL, later % 1000000000LL}};
  return ::futimens(fd, times) == 0;
}

}  // namespace

NumberedNames temporaryNames(const std::string& target) {
  return NumberedNames{native::folderOf(target) + "/." + native::nameOf(target).substr(0, kNameBytes) + "~", ".tmp"};
}

std::optional<ReplaceFile> ReplaceFile::open(const std::wstring& target, OsError* error, const ReplaceOptions& options) {
  const std::optional<std::string> mapped = toNative(target);
  if (!mapped) {
    fail(error, ENOENT);
    return std::nullopt;
  }
  return openNative(native::resolveLinks(*mapped), error, options);
}

std::optional<ReplaceFile> ReplaceFile::openNative(const std::string& target, OsError* error,
                                                   const ReplaceOptions& options) {
  std::optional<unsigned> mode;
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) {
      fail(error, EISDIR);
      return std::nullopt;
    }
    if ((st.st_mode & kWriteBits) == 0 || ::access(target.c_str(), W_OK) != 0) {
      fail(error, EACCES);
      return std::nullopt;
    }
    mode = st.st_mode & 07777;
  }
  std::string recoveryFolder;
  if (!options.recoveryFolder.empty()) recoveryFolder = toNative(options.recoveryFolder).value_or("");

  const NumberedNames names = temporaryNames(target);
  removeAbandoned(names);
  // Until it is complete the temporary file is the owner's alone; it gets its final bits on commit.
  OsError tempError;
  std::optional<HeldFile> temp = HeldFile::create(names, mode ? 0600 : options.newFileMode, &tempError);
  if (temp) return ReplaceFile(target, mode, std::make_unique<HeldFile>(std::move(*temp)), std::move(recoveryFolder));
  if (mode && refusesNewFiles(tempError.code) && !recoveryFolder.empty())
    return ReplaceFile(target, mode, nullptr, std::move(recoveryFolder));
  if (error != nullptr) *error = tempError;
  return std::nullopt;
}

ReplaceFile::ReplaceFile(std::string target, std::optional<unsigned> mode, std::unique_ptr<HeldFile> temp,
                         std::string recoveryFolder)
    : target_(std::move(target)),
      mode_(mode),
      temp_(std::move(temp)),
      inPlace_(!temp_),
      recoveryFolder_(std::move(recoveryFolder)) {}

ReplaceFile& ReplaceFile::operator=(ReplaceFile&& other) noexcept {
  if (this != &other) {
    discardTemporary();
    target_ = std::move(other.target_);
    mode_ = other.mode_;
    temp_ = std::move(other.temp_);
    inPlace_ = other.inPlace_;
    recoveryFolder_ = std::move(other.recoveryFolder_);
    content_ = std::move(other.content_);
    modifiedAfter_ = other.modifiedAfter_;
    committed_ = other.committed_;
    version_ = other.version_;
    keptCopy_ = std::move(other.keptCopy_);
  }
  return *this;
}

ReplaceFile::~ReplaceFile() { discardTemporary(); }

void ReplaceFile::discardTemporary() {
  if (temp_) temp_->remove();
  temp_.reset();
}

bool ReplaceFile::commit(OsError* error) {
  if (committed_) return fail(error, EINVAL);
  committed_ = true;
  return inPlace_ ? commitInPlace(error) : commitTemporary(error);
}

bool ReplaceFile::commitTemporary(OsError* error) {
  const int fd = temp_->descriptor();
  struct stat st {};
  bool ok = native::writeAllAt(fd, content_, 0) && ::fsync(fd) == 0 && ::fstat(fd, &st) == 0;
  if (ok && static_cast<std::size_t>(st.st_size) != content_.size()) {
    errno = EIO;
    ok = false;
  }
  ok = ok && (!mode_ || ::fchmod(fd, static_cast<mode_t>(*mode_)) == 0) &&
       (modifiedAfter_ < 0 || modifiedLaterThan(fd, modifiedAfter_)) && ::fstat(fd, &st) == 0;
  // Renamed while its lock is held, so nobody takes it for an abandoned one meanwhile.
  ok = ok && ::rename(temp_->path().c_str(), target_.c_str()) == 0;
  if (!ok) {
    const int code = errno;
    discardTemporary();
    return fail(error, code);
  }
  temp_->release();
  temp_.reset();
  native::syncFolder(native::folderOf(target_));
  version_ = versionOf(st);
  return true;
}

bool ReplaceFile::commitInPlace(OsError* error) {
  const InPlaceOutcome outcome = rewriteInPlace(target_, content_, recoveryFolder_, error);
  if (!outcome.keptCopy.empty()) keptCopy_ = fromNative(outcome.keptCopy);
  return outcome.written;
}

}  // namespace vox::os
