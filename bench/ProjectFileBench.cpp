// Reading and writing project files of 10, 1 000 and 20 000 drawings, each with a section, a
// sub-section and two descriptions. Baselines: for reading, reading the same file, splitting it
// into lines and decoding each line to a wide string; for writing, encoding the same lines and
// writing them to a file. ReadProjectMemory reports the most memory a read of the
// 20 000-drawing file held at once, as a multiple of the file's size.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "BenchProjects.h"
#include "support/AllocationCounter.h"
#include "platform/os/NarrowCodec.h"
#include "projectfile/VoxPrmWDPFiler.h"

namespace {

using vox::bench::projectFile;

using vox::bench::modulePath;
using vox::bench::nativePath;

std::string readBytes(const std::string& native) {
  std::ifstream in(native, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void ReadProject_Baseline(benchmark::State& state) {
  const std::string native = nativePath(projectFile(static_cast<int>(state.range(0))));
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
  const std::wstring path = modulePath(projectFile(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    VoxPrmWDPFiler filer(path, true);
    VoxPrmProjectData data;
    filer.readProject(data);
    benchmark::DoNotOptimize(data.getProjFileDetails().data());
  }
}

// One read per iteration into a fresh record; the peak counts everything the read allocated,
// the filled record included.
void ReadProject_PeakMemory(benchmark::State& state) {
  const std::string file = projectFile(static_cast<int>(state.range(0)));
  const std::wstring path = modulePath(file);
  std::size_t peak = 0;
  std::size_t kept = 0;
  for (auto _ : state) {
    vox::test::markAllocationPeak();
    const std::size_t before = vox::test::allocatedBytes();
    {
      VoxPrmWDPFiler filer(path, true);
      VoxPrmProjectData data;
      filer.readProject(data);
      kept = vox::test::allocatedBytes() - before;
      benchmark::DoNotOptimize(data.getProjFileDetails().data());
    }
    peak = std::max(peak, vox::test::peakBytesSinceMark());
  }
  const auto fileSize = static_cast<double>(std::filesystem::file_size(nativePath(file)));
  state.counters["file_MiB"] = fileSize / (1 << 20);
  state.counters["peak_MiB"] = static_cast<double>(peak) / (1 << 20);
  state.counters["peak_x_file"] = static_cast<double>(peak) / fileSize;
  state.counters["kept_x_file"] = static_cast<double>(kept) / fileSize;
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
  const std::vector<std::wstring> lines = linesOf(nativePath(projectFile(static_cast<int>(state.range(0)))));
  const std::string out = nativePath("baseline-out.wdp");
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
    VoxPrmWDPFiler reader(modulePath(projectFile(drawings)), true);
    reader.readProject(data);
  }
  const std::wstring out = modulePath("filer-out.wdp");
  for (auto _ : state) {
    VoxPrmWDPFiler filer(out, false);
    filer.writeProject(data);
  }
}

}  // namespace

BENCHMARK(ReadProject_Baseline)->Name("ReadProject/Baseline")->Arg(10)->Arg(1000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadProject_Filer)->Name("ReadProject/Filer")->Arg(10)->Arg(1000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadProject_PeakMemory)->Name("ReadProjectMemory")->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteProject_Baseline)->Name("WriteProject/Baseline")->Arg(10)->Arg(1000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteProject_Filer)->Name("WriteProject/Filer")->Arg(10)->Arg(1000)->Arg(20000)->Unit(benchmark::kMicrosecond);
