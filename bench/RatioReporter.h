#pragma once
// The console reporter of the benchmarks, keeping each run's times so that the ratios of work to
// floor can be printed at the end (bench::printRatios). Times are in ns for real time and ms for CPU.

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& r : runs)
            if (!r.error_occurred) {
                results.emplace_back(r.benchmark_name(), r.GetAdjustedRealTime() * 1e6 /* ms → ns */);
                cpu[r.benchmark_name()] = r.GetAdjustedCPUTime();
            }
    }
    std::vector<std::pair<std::string, double>> results;
    std::map<std::string, double> cpu;   // ms
};

} // namespace bench
