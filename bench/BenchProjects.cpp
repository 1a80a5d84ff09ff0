#include "BenchProjects.h"

#include <stdlib.h>

#include <filesystem>

#include "platform/os/NativePath.h"
#include "projectfile/VoxPrmWDPFiler.h"

namespace vox::bench {
namespace {

class BenchFolder {
 public:
  BenchFolder() {
    std::string tmpl = std::filesystem::temp_directory_path().string() + "/vox-bench-XXXXXX";
    if (::mkdtemp(tmpl.data()) != nullptr) native_ = tmpl;
  }
  ~BenchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(native_, ec);
  }
  const std::string& native() const { return native_; }

 private:
  std::string native_;
};

const BenchFolder& folder() {
  static const BenchFolder f;
  return f;
}

}  // namespace

std::string nativePath(const std::string& name) { return folder().native() + "/" + name; }
std::wstring modulePath(const std::string& name) { return os::fromNative(nativePath(name)); }

VoxPrmProjectData generateProject(int drawings) {
  VoxPrmProjectData data;
  data.setProjDescriptions({L"Benchmark project", L"Generated"});
  const std::wstring base = modulePath("");
  for (int i = 0; i < drawings; ++i) {
    VoxPrmFileDetails e;
    e.fileName = base + L"sheets\\" + std::to_wstring(i / 100) + L"\\DWG" + std::to_wstring(i) + L".dwg";
    e.section = L"Section " + std::to_wstring(i / 500);
    e.subSection = L"Sub-section " + std::to_wstring(i / 50);
    e.descriptions = {L"Drawing number " + std::to_wstring(i), L"Motor control circuit, cabinet 3"};
    data.addFile(e);
  }
  return data;
}

std::string projectFile(int drawings, const std::string& name) {
  const std::string file = name.empty() ? "p" + std::to_string(drawings) + ".wdp" : name;
  if (!std::filesystem::exists(nativePath(file))) {
    VoxPrmWDPFiler filer(modulePath(file), false);
    filer.writeProject(generateProject(drawings));
  }
  return file;
}

}  // namespace vox::bench
