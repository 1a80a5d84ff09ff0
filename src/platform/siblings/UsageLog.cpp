#include "platform/siblings/UsageLog.h"

#include <fcntl.h>
#include <unistd.h>

#include <ctime>
#include <optional>

#include "platform/os/NativePath.h"

namespace vox::siblings {

namespace {

std::string localTimestamp() {
  const std::time_t now = std::time(nullptr);
  struct tm local {};
  ::localtime_r(&now, &local);
  char text[32];
  const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  return std::string(text, n);
}

std::wstring oneLine(std::wstring name) {
  for (wchar_t& c : name) {
    if (c < L' ' || c == 0x7f) c = L' ';
  }
  return name;
}

}  // namespace

UsageLog::UsageLog(std::wstring folder) : file_(std::move(folder) + L"\\usage.log") {}

bool UsageLog::record(const std::wstring& name) const noexcept {
  try {
    const std::optional<std::string> native = os::toNative(file_);
    if (!native) return false;
    const std::string line = localTimestamp() + "\t" + os::encodeFileName(oneLine(name)) + "\n";
    const int fd = ::open(native->c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    // One write of the whole line, so lines of concurrent writers never interleave.
    const bool written = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    return ::close(fd) == 0 && written;
  } catch (...) {
    return false;
  }
}

}  // namespace vox::siblings
