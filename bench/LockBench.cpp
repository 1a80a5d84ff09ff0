// Lock checks on a local folder, as calls per second (items/s): whoLocked on a project file that
// is free (0) or held by another locker (1), and getDrawingLockStatus on a drawing without (0)
// or with (1) a host drawing lock file. Baseline: reading the same companion file's bytes, or
// finding that it is missing.

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "BenchProjects.h"
#include "locking/DrawingLockStatus.h"
#include "locking/LockIdentity.h"
#include "locking/VoxPrmVirtualFileLocker.h"

namespace {

using vox::bench::modulePath;
using vox::bench::nativePath;

void writeBytes(const std::string& native, const std::string& bytes) { std::ofstream(native, std::ios::binary) << bytes; }

std::string readBytes(const std::string& native) {
  std::ifstream in(native, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// The project file; with `held`, a locker of another user holds it for the benchmark's length.
std::unique_ptr<VoxPrmVirtualFileLocker> projectFile(const std::string& name, bool held) {
  writeBytes(nativePath(name), "x");
  auto other = std::make_unique<VoxPrmVirtualFileLocker>(
      [] { return vox::locking::identityText({L"bench-other", L"PC9", L"Other"}, L"Monday", L"10:00"); });
  if (held) other->lockFile(modulePath(name).c_str());
  return other;
}

std::string drawingFile(const std::string& name, bool withDwl) {
  writeBytes(nativePath(name + ".dwg"), "{}");
  if (withDwl) writeBytes(nativePath(name + ".dwl"), "bench-other\nPC9 Other\nMonday  10:00");
  return name;
}

void WhoLocked_Baseline(benchmark::State& state) {
  const std::string name = "base" + std::to_string(state.range(0)) + ".wdp";
  const auto other = projectFile(name, state.range(0) != 0);
  const std::string lock = nativePath(name + ".FLL");
  for (auto _ : state) benchmark::DoNotOptimize(readBytes(lock));
  state.SetItemsProcessed(state.iterations());
}

void WhoLocked_Locker(benchmark::State& state) {
  const std::string name = "locker" + std::to_string(state.range(0)) + ".wdp";
  const auto other = projectFile(name, state.range(0) != 0);
  const std::wstring path = modulePath(name);
  VoxPrmVirtualFileLocker me;
  std::wstring holder, machine, time;
  for (auto _ : state) benchmark::DoNotOptimize(me.whoLocked(path.c_str(), holder, machine, time));
  state.SetItemsProcessed(state.iterations());
}

void DrawingStatus_Baseline(benchmark::State& state) {
  const std::string dwl = nativePath(drawingFile("base" + std::to_string(state.range(0)), state.range(0) != 0) + ".dwl");
  for (auto _ : state) benchmark::DoNotOptimize(readBytes(dwl));
  state.SetItemsProcessed(state.iterations());
}

void DrawingStatus_Status(benchmark::State& state) {
  const std::wstring path = modulePath(drawingFile("status" + std::to_string(state.range(0)), state.range(0) != 0) + ".dwg");
  std::wstring holder, machine, time;
  for (auto _ : state) benchmark::DoNotOptimize(getDrawingLockStatus(path.c_str(), &holder, &machine, &time));
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(WhoLocked_Baseline)->Name("WhoLocked/Baseline")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(WhoLocked_Locker)->Name("WhoLocked/Locker")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawingStatus_Baseline)->Name("DrawingStatus/Baseline")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawingStatus_Status)->Name("DrawingStatus/Status")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
