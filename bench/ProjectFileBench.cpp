// Reading and writing project files of 10, 1 000 and 20 000 drawings, each with a section, a
// sub-section and two descriptions. Baselines: for reading, reading the same file, splitting it
// into lines and decoding each line to a wide string; for writing, encoding the same lines and
// writing them to a file.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/os/NarrowCodec.h"
#include "platform/os/NativePath.h"
#include "projectfile/VoxPrmWDPFiler.h"

namespace {

// A folder with one generated project file per size, removed at exit.
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
  std::string native(const std::string& name) const { return native_ + "/" + name; }
  std::wstring path(const std::string& name) const { return vox::os::fromNative(native(name)); }

 private:
  std::string native_;
};

const BenchFolder& folder() {
  static const BenchFolder f;
  return f;
}

VoxPrmProjectData generate(int drawings) {
  VoxPrmProjectData data;
  data.setProjDescriptions({L"Benchmark project", L"Generated"});
  const std::wstring base = folder().path("");
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

std::string projectFile(int drawings) {
  const std::string name = "p" + std::to_string(drawings) + ".wdp";
  if (!std::filesystem::exists(folder().native(name))) {
    VoxPrmWDPFiler filer(folder().path(name), false);
    filer.writeProject(generate(drawings));
  }
  return name;
}

std::string readBytes(const std::string& native) {
  std::ifstream in(native, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void ReadProject_Baseline(benchmark::State& state) {
  const std::string native = folder().native(projectFile(static_cast<int>(state.range(0))));
  const vox::os::NarrowCodec& codec = vox::os::narrowCodec();
  for (auto _ : state) {
    const std::string bytes = readBytes(native);
    std::vector<std::wstring> lines;
    std::string_view rest = bytes;
    while (!rest.empty()) {
      std::size_t end = rest.find('\n');
      const std::size_t next = end == std::string_view::npos ? rest.size() : end + 1;
      if (end == std::string_view::npos) end = rest.size();
      if (end > 0 && rest[end - 1] == '\r') --end;
      lines.push_back(codec.decode(rest.substr(0, end)));
      rest.remove_prefix(next);
    }
    benchmark::DoNotOptimize(lines.data());
  }
}

void ReadProject_Filer(benchmark::State& state) {
  const std::wstring path = folder().path(projectFile(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    VoxPrmWDPFiler filer(path, true);
    VoxPrmProjectData data;
    filer.readProject(data);
    benchmark::DoNotOptimize(data.getProjFileDetails().data());
  }
}

std::vector<std::wstring> linesOf(const std::string& native) {
  const std::string bytes = readBytes(native);
  std::vector<std::wstring> lines;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", pos);
    lines.push_back(vox::os::narrowCodec().decode(std::string_view(bytes).substr(pos, end - pos)));
    pos = end + 2;
  }
  return lines;
}

void WriteProject_Baseline(benchmark::State& state) {
  const std::vector<std::wstring> lines = linesOf(folder().native(projectFile(static_cast<int>(state.range(0)))));
  const std::string out = folder().native("baseline-out.wdp");
  for (auto _ : state) {
    std::string bytes;
    for (const std::wstring& line : lines) {
      vox::os::narrowCodec().encodeAppend(line, bytes);
      bytes += "\r\n";
    }
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
}

void WriteProject_Filer(benchmark::State& state) {
  const int drawings = static_cast<int>(state.range(0));
  VoxPrmProjectData data;
  {
    VoxPrmWDPFiler reader(folder().path(projectFile(drawings)), true);
    reader.readProject(data);
  }
  const std::wstring out = folder().path("filer-out.wdp");
  for (auto _ : state) {
    VoxPrmWDPFiler filer(out, false);
    filer.writeProject(data);
  }
}

}  // namespace

BENCHMARK(ReadProject_Baseline)->Name("ReadProject/Baseline")->Arg(10)->Arg(1000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadProject_Filer)->Name("ReadProject/Filer")->Arg(10)->Arg(1000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteProject_Baseline)->Name("WriteProject/Baseline")->Arg(10)->Arg(1000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteProject_Filer)->Name("WriteProject/Filer")->Arg(10)->Arg(1000)->Arg(20000)->Unit(benchmark::kMicrosecond);
