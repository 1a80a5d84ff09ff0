// voxfolio-wdp: looks at project files without a host.
//   voxfolio-wdp dump FILE          prints the project's content
//   voxfolio-wdp roundtrip IN OUT   reads IN and writes it to OUT

#include <cstdio>
#include <cstring>
#include <string>

#include "ProjectDump.h"
#include "platform/os/Files.h"
#include "platform/os/NativePath.h"
#include "projectfile/VoxPrmWDPFiler.h"

namespace {

void print(FILE* to, const std::wstring& text) {
  const std::string bytes = vox::os::encodeFileName(text);  // UTF-8 for the terminal
  std::fwrite(bytes.data(), 1, bytes.size(), to);
}

int usage() {
  std::fputs("usage: voxfolio-wdp dump FILE\n       voxfolio-wdp roundtrip IN OUT\n", stderr);
  return 2;
}

bool read(const std::wstring& path, VoxPrmProjectData& data) {
  vox::os::OsError error;
  if (!vox::os::InputFile::open(path, &error)) {
    print(stderr, L"voxfolio-wdp: cannot read the project file " + path + L": " + error.message + L"\n");
    return false;
  }
  VoxPrmWDPFiler filer;
  if (!filer.openProject(path, true, false) || !filer.readProject(data)) {
    print(stderr, L"voxfolio-wdp: cannot read the project file " + path + L"\n");
    return false;
  }
  return true;
}

bool write(const std::wstring& path, const VoxPrmProjectData& data) {
  VoxPrmWDPFiler filer;
  if (!filer.openProject(path, false, false) || !filer.writeProject(data)) {
    print(stderr, L"voxfolio-wdp: cannot write the project file " + path + L"\n");
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string command = argv[1];
  if (command == "dump" && argc == 3) {
    const std::wstring path = vox::os::fullPath(vox::os::fromNative(argv[2]));
    VoxPrmProjectData data;
    if (!read(path, data)) return 1;
    print(stdout, vox::tools::dumpProject(path, data));
    return 0;
  }
  if (command == "roundtrip" && argc == 4) {
    const std::wstring in = vox::os::fullPath(vox::os::fromNative(argv[2]));
    const std::wstring out = vox::os::fullPath(vox::os::fromNative(argv[3]));
    VoxPrmProjectData data;
    if (!read(in, data) || !write(out, data)) return 1;
    print(stdout, L"wrote " + std::to_wstring(data.getProjFileDetails().size()) + L" drawings to " + out + L"\n");
    return 0;
  }
  return usage();
}
