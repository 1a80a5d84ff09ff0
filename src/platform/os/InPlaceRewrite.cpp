#include "platform/os/InPlaceRewrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "platform/os/NativePath.h"

namespace vox::os {
namespace {

// Keeps a recovery copy's name within the usual 255-byte limit of a file name.
constexpr std::size_t kNameBytes = 200;

InPlaceOutcome failed(OsError* error, int code, std::string keptCopy = {}) {
  if (error != nullptr) *error = osError(code);
  return InPlaceOutcome{false, std::move(keptCopy)};
}

// FNV-1a: stable across runs and builds, so every process names a target's copies alike.
std::string hashText(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

bool ensureFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) errno = ec.value();
  return !ec;
}

}  // namespace

NumberedNames recoveryCopyNames(const std::string& target, const std::string& recoveryFolder) {
  return NumberedNames{recoveryFolder + "/" + native::nameOf(target).substr(0, kNameBytes) + "." + hashText(target) +
                           ".recovery",
                       ""};
}

InPlaceOutcome rewriteInPlace(const std::string& target, std::string_view content, const std::string& recoveryFolder,
                              OsError* error) {
  if (recoveryFolder.empty() || !ensureFolder(recoveryFolder)) return failed(error, recoveryFolder.empty() ? EACCES : errno);
  const native::Descriptor file(::open(target.c_str(), O_RDWR | O_CLOEXEC));
  if (!file.valid()) return failed(error, errno);
  OsError copyError;
  std::optional<HeldFile> copy = HeldFile::create(recoveryCopyNames(target, recoveryFolder), 0600, &copyError);
  if (!copy) return failed(error, copyError.code);
  if (!native::copyContent(file.get(), copy->descriptor()) || ::fsync(copy->descriptor()) != 0) {
    const int code = errno;
    copy->remove();
    return failed(error, code);
  }
  native::syncFolder(recoveryFolder);

  if (native::writeAllAt(file.get(), content, 0) && ::ftruncate(file.get(), static_cast<off_t>(content.size())) == 0 &&
      ::fsync(file.get()) == 0) {
    copy->remove();
    return InPlaceOutcome{true, {}};
  }
  const int code = errno;
  if (native::copyContent(copy->descriptor(), file.get()) && ::fsync(file.get()) == 0) {
    copy->remove();
    return failed(error, code);
  }
  std::string kept = copy->path();
  copy->release();
  return failed(error, code, std::move(kept));
}

std::vector<std::wstring> interruptedRewrites(const std::wstring& target, const std::wstring& recoveryFolder) {
  const std::optional<std::string> nativeTarget = toNative(target);
  const std::optional<std::string> nativeFolder = toNative(recoveryFolder);
  std::vector<std::wstring> copies;
  if (!nativeTarget || !nativeFolder || recoveryFolder.empty()) return copies;
  for (const std::string& copy : findAbandoned(recoveryCopyNames(native::resolveLinks(*nativeTarget), *nativeFolder)))
    copies.push_back(fromNative(copy));
  return copies;
}

}  // namespace vox::os
