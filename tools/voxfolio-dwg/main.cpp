// voxfolio-dwg: makes and looks at drawings of the reference host without a host.
//   voxfolio-dwg samples FOLDER   writes the sample drawings below FOLDER (the samples/ folder)
//   voxfolio-dwg check FILE       opens a drawing and prints what it holds

#include <cstdio>
#include <string>

#include "SampleDrawings.h"
#include "platform/dwgdb/DrawingFile.h"
#include "platform/os/Files.h"
#include "platform/os/NativePath.h"

namespace {

void print(FILE* to, const std::wstring& text) {
  const std::string bytes = vox::os::encodeFileName(text);  // UTF-8 for the terminal
  std::fwrite(bytes.data(), 1, bytes.size(), to);
}

int usage() {
  std::fputs("usage: voxfolio-dwg samples FOLDER\n       voxfolio-dwg check FILE\n", stderr);
  return 2;
}

std::wstring count(std::size_t n, const wchar_t* what) { return std::to_wstring(n) + L" " + what; }

int check(const std::wstring& path) {
  std::wstring error;
  const std::optional<vox::dwgdb::Drawing> drawing = vox::dwgdb::loadDrawing(path, &error);
  if (!drawing) {
    print(stderr, L"voxfolio-dwg: " + error + L"\n");
    return 1;
  }
  print(stdout, path + L": " + count(drawing->layers.size(), L"layers, ") + count(drawing->blocks.size(), L"blocks, ") +
                    count(drawing->spaces.size(), L"spaces") + L"\n");
  for (const vox::dwgdb::Space& space : drawing->spaces)
    print(stdout, L"  " + space.name + L": " + count(space.entities.size(), L"entities") + L"\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return usage();
  const std::string command = argv[1];
  if (command == "samples") {
    std::wstring error;
    if (!vox::tools::writeSamples(argv[2], error)) {
      print(stderr, L"voxfolio-dwg: " + error + L"\n");
      return 1;
    }
    return 0;
  }
  if (command == "check") return check(vox::os::fullPath(vox::os::fromNative(argv[2])));
  return usage();
}
