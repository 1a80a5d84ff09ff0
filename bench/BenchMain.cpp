// Runs the benchmarks, then prints each measured operation's time as a ratio of its baseline
// from the same run. A benchmark named "X/Baseline/N" is the baseline of "X/Filer/N". Benchmarks
// that measure memory ("peak_x_file" and "kept_x_file" counters) are listed after the ratios.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      times_[run.benchmark_name()] = run.GetAdjustedRealTime();
      const auto peak = run.counters.find("peak_x_file");
      const auto kept = run.counters.find("kept_x_file");
      if (peak != run.counters.end() && kept != run.counters.end())
        peaks_[run.benchmark_name()] = {peak->second.value, kept->second.value};
    }
  }

  void printRatios() const {
    std::printf("\nRatios against the baseline of the same run:\n");
    for (const auto& [name, time] : times_) {
      const std::size_t at = name.find("/Baseline/");
      if (at == std::string::npos) continue;
      for (const auto& [other, otherTime] : times_) {
        const std::size_t slash = other.find('/', at + 1);
        if (other.compare(0, at + 1, name, 0, at + 1) != 0 || slash == std::string::npos || other == name) continue;
        if (other.substr(slash) != name.substr(at + 9)) continue;
        std::printf("  %-45s %6.2fx\n", other.c_str(), otherTime / time);
      }
    }
    if (peaks_.empty()) return;
    std::printf("\nMemory as a multiple of the file's size: peak, the records kept, the reader's own\n");
    for (const auto& [name, memory] : peaks_)
      std::printf("  %-45s %6.2fx %6.2fx %6.2fx\n", name.c_str(), memory.first, memory.second, memory.first - memory.second);
  }

 private:
  std::map<std::string, double> times_;
  std::map<std::string, std::pair<double, double>> peaks_;  // peak and kept
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatios();
  benchmark::Shutdown();
  return 0;
}
