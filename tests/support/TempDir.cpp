#include "support/TempDir.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/os/NativePath.h"

namespace vox::test {

TempDir::TempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string tmpl = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/vox-test-XXXXXX";
  if (::mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
  native_ = tmpl;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(native_, std::filesystem::perms::owner_all, ec);
  std::filesystem::remove_all(native_, ec);
}

std::wstring TempDir::path() const { return os::fromNative(native_, {}); }

std::wstring TempDir::path(const std::wstring& name) const { return path() + L"\\" + name; }

std::string readNative(const std::string& native) {
  std::ifstream in(native, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void writeNative(const std::string& native, const std::string& bytes) {
  std::ofstream out(native, std::ios::binary | std::ios::trunc);
  out << bytes;
}

unsigned modeOf(const std::string& native) {
  struct stat st {};
  if (::stat(native.c_str(), &st) != 0) return 0;
  return st.st_mode & 07777;
}

}  // namespace vox::test
