// A console reporter that, after the usual table, prints the time of each
// benchmark relative to a reference benchmark of the same run:
//   "LoadFromFile / PlainLibjpeg = 1.06"
// Ratios use CPU time, measured in one run on one machine, so they compare
// like with like even when other work shares the machine; benchmarks whose
// work runs on more than the timing thread ask for wall-clock time instead.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

enum class RatioClock { cpu, wall };

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Each pair is (measured benchmark name, reference benchmark name).
  explicit RatioReporter(std::vector<std::pair<std::string, std::string>> pairs, RatioClock clock = RatioClock::cpu)
      : m_pairs(std::move(pairs)), m_clock(clock) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration)
        m_times[run.run_name.function_name] =
            m_clock == RatioClock::wall ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const auto& [measured, reference] : m_pairs) {
      auto a = m_times.find(measured);
      auto b = m_times.find(reference);
      if (a == m_times.end() || b == m_times.end() || b->second <= 0) continue;
      std::printf("%s / %s = %.3f\n", measured.c_str(), reference.c_str(), a->second / b->second);
    }
  }

 private:
  std::vector<std::pair<std::string, std::string>> m_pairs;
  RatioClock m_clock;
  std::map<std::string, double> m_times;
};

// Runs the registered benchmarks with a RatioReporter over `pairs`.
inline int RunWithRatios(int argc, char** argv, std::vector<std::pair<std::string, std::string>> pairs,
                         RatioClock clock = RatioClock::cpu) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter(std::move(pairs), clock);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
