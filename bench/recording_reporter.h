// A console reporter that also keeps each benchmark's figures, so that a
// benchmark program can print ratios between the runs of one process.
#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

class RecordingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            for (const auto& [name, counter] : run.counters) {
                counters_[run.benchmark_name()][name] = counter;
            }
            seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // A counter such as "bytes_per_second" of a benchmark; 0 when it has none.
    double Counter(const std::string& benchmark, const std::string& counter) const {
        const auto found = counters_.find(benchmark);
        if (found == counters_.end()) {
            return 0;
        }
        const auto value = found->second.find(counter);
        return value == found->second.end() ? 0 : static_cast<double>(value->second);
    }

    // The time of one iteration, in the benchmark's own unit; 0 when it did not run.
    double Time(const std::string& benchmark) const {
        const auto found = seconds_.find(benchmark);
        return found == seconds_.end() ? 0 : found->second;
    }

  private:
    std::map<std::string, std::map<std::string, double>> counters_;
    std::map<std::string, double> seconds_;
};
