// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the registered benchmarks and remembers each one's CPU time per
// iteration (steadier than wall time on a shared machine), so a program can
// print ratios against a baseline measured in the same run.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.run_type == Run::RT_Iteration) times[r.benchmark_name()] = r.GetAdjustedCPUTime();
    }
  }
  // a's time over b's; 0 when b was not measured.
  double Ratio(const std::string& a, const std::string& b) { return times[b] > 0 ? times[a] / times[b] : 0.0; }

  std::map<std::string, double> times;
};

// Initialises the library, runs every benchmark through `reporter`, shuts down.
inline void RunWithRatios(int* argc, char** argv, RatioReporter& reporter) {
  benchmark::Initialize(argc, argv);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
}
