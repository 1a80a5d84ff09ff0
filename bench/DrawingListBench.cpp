// Drawing-list operations on a 20 000-drawing project: adding 1 000 new drawings in one call and
// removing 1 000 in one call, each with its write-back. Baseline: reading the same project file.
// Each iteration starts from the project as read (not timed).

#include <benchmark/benchmark.h>

#include "BenchProjects.h"
#include "core/VoxPrmProjectManager.h"

namespace {

constexpr int kDrawings = 20000;
constexpr int kChanged = 1000;

std::vector<VoxPrmFileDetails> newDrawings() {
  std::vector<VoxPrmFileDetails> drawings;
  for (int i = 0; i < kChanged; ++i) {
    VoxPrmFileDetails d;
    d.fileName = vox::bench::modulePath("new\\N" + std::to_string(i) + ".dwg");
    drawings.push_back(d);
  }
  return drawings;
}

std::vector<std::wstring> everyTwentieth(const VoxPrmProject& project) {
  std::vector<std::wstring> paths;
  const auto& entries = project.getProjFileDetails();
  for (std::size_t i = 0; i < entries.size() && paths.size() < kChanged; i += kDrawings / kChanged) paths.push_back(entries[i].fileName);
  return paths;
}

void DrawingList_Baseline(benchmark::State& state) {
  const std::wstring path = vox::bench::modulePath(vox::bench::projectFile(kDrawings, "list.wdp"));
  for (auto _ : state) {
    VoxPrmProject project;
    project.readProject(path);
    benchmark::DoNotOptimize(project.getProjFileDetails().data());
  }
}

template <bool Add>
void DrawingList_Change(benchmark::State& state) {
  const std::wstring path = vox::bench::modulePath(vox::bench::projectFile(kDrawings, "list.wdp"));
  const std::wstring copy = vox::bench::modulePath("list-work.wdp");
  const std::vector<VoxPrmFileDetails> added = newDrawings();
  for (auto _ : state) {
    state.PauseTiming();
    VoxPrmProject original;
    original.readProject(path);
    original.writeProject(copy.c_str());
    VoxPrmProjectManager manager;
    manager.openProject(copy.c_str(), true, false);
    const std::vector<std::wstring> removed = everyTwentieth(*manager.getProject(0));
    state.ResumeTiming();
    if constexpr (Add) {
      manager.addFilesToProject(added, nullptr, false, false);
    } else {
      manager.removeFilesFromProject(removed, nullptr);
    }
  }
}

}  // namespace

BENCHMARK(DrawingList_Baseline)->Name("DrawingList/Baseline/20000")->Unit(benchmark::kMillisecond);
BENCHMARK(DrawingList_Change<true>)->Name("DrawingList/Add1000/20000")->Unit(benchmark::kMillisecond);
BENCHMARK(DrawingList_Change<false>)->Name("DrawingList/Remove1000/20000")->Unit(benchmark::kMillisecond);
