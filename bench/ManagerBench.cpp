// The project manager with 30 open projects of 1 000 drawings each: opening them, and switching
// the active project among them (one activation per iteration, 1 000 in all). No host is
// installed, so the time is the manager's own: lookups, events and the open-project limit.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "BenchProjects.h"
#include "core/VoxPrmProjectManager.h"

namespace {

constexpr int kProjects = VoxPrmProjectManager::kMaxOpenProjects;
constexpr int kDrawings = 1000;

std::vector<std::wstring> projectPaths() {
  std::vector<std::wstring> paths;
  for (int i = 0; i < kProjects; ++i) {
    const std::string name = "m" + std::to_string(i) + ".wdp";
    paths.push_back(vox::bench::modulePath(vox::bench::projectFile(kDrawings, name)));
  }
  return paths;
}

void OpenThirtyProjects(benchmark::State& state) {
  const std::vector<std::wstring> paths = projectPaths();
  for (auto _ : state) {
    VoxPrmProjectManager manager;
    for (const std::wstring& path : paths) manager.openProject(path.c_str(), false, false);
    benchmark::DoNotOptimize(manager.getProjectCount());
  }
}

void ActivateAmongThirtyProjects(benchmark::State& state) {
  const std::vector<std::wstring> paths = projectPaths();
  VoxPrmProjectManager manager;
  for (const std::wstring& path : paths) manager.openProject(path.c_str(), false, false);
  std::size_t next = 0;
  for (auto _ : state) {
    manager.setActiveProject(paths[next].c_str());
    next = (next + 7) % paths.size();  // a different project every time
  }
  if (manager.getProjectCount() != kProjects) state.SkipWithError("projects were closed");
}

}  // namespace

BENCHMARK(OpenThirtyProjects)->Name("Manager/OpenThirtyProjectsOf1000")->Unit(benchmark::kMillisecond);
BENCHMARK(ActivateAmongThirtyProjects)->Name("Manager/Activation")->Iterations(1000)->Unit(benchmark::kMicrosecond);
