// The optimal wage regression of a large company: 100,000 employees, 9 attributes.
// Target: the fit under 20 ms. The floor is one plain pass over the same rows (every value read
// and summed), the least any fit must do.

#include "analysis/Regression.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr int kRows = 100000;
constexpr int kAttributes = 9;

struct Problem {
    analysis::TRegX x;
    analysis::TRegY y;
};

// Birth and hire years, grade, evaluation, base pay and allowance in yen, housing, family, sex.
const Problem& wageProblem()
{
    static const Problem problem = [] {
        Problem p;
        std::uint64_t state = 20240401;
        auto between = [&state](std::int64_t lo, std::int64_t hi) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            return lo + static_cast<std::int64_t>((state >> 33) % static_cast<std::uint64_t>(hi - lo + 1));
        };
        p.x.reserve(kRows);
        p.y.reserve(kRows);
        for (int r = 0; r < kRows; ++r) {
            const std::int64_t birth = between(1960, 2000);
            const std::int64_t hire = birth + 18 + between(0, 12);
            const std::int64_t grade = 1 + (2024 - birth) / 8 + between(0, 1);
            const std::int64_t evaluation = between(1, 5);
            const std::int64_t base = 150000 + 5500 * (2024 - birth) + 9000 * grade + between(0, 30000);
            const std::int64_t allowance = base / 10 + between(0, 3000);
            const std::int64_t housing = 5000 * between(0, 4);
            const std::int64_t family = between(0, 4);
            const std::int64_t sex = between(0, 1);
            p.x.push_back({1.0, double(birth), double(hire), double(grade), double(evaluation),
                           double(base), double(allowance), double(housing), double(family),
                           double(sex)});
            p.y.push_back(double(base + allowance + housing + 6000 * family + 3000 * evaluation
                                 + 2500 * grade - 800 * (hire - 2000) + between(-20000, 20000)));
        }
        return p;
    }();
    return problem;
}

void BM_ReadRowsFloor(benchmark::State& state)
{
    const Problem& p = wageProblem();
    for (auto _ : state) {
        double sum = 0;
        for (int r = 0; r < kRows; ++r) {
            const double* row = p.x[r].data();
            for (int j = 0; j <= kAttributes; ++j)
                sum += row[j];
            sum += p.y[r];
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadRowsFloor)->Unit(benchmark::kMillisecond);

void BM_RegressionFit(benchmark::State& state)
{
    const Problem& p = wageProblem();
    analysis::TRegY b;
    for (auto _ : state) {
        const bool ok = analysis::regressionFit(kRows, kAttributes, p.x, p.y, 1e-10, b);
        if (!ok) {
            state.SkipWithError("the fit failed");
            break;
        }
        benchmark::DoNotOptimize(b.data());
    }
}
BENCHMARK(BM_RegressionFit)->Unit(benchmark::kMillisecond);

void BM_RegressionStatistics(benchmark::State& state)
{
    const Problem& p = wageProblem();
    analysis::TRegY b;
    if (!analysis::regressionFit(kRows, kAttributes, p.x, p.y, 1e-10, b)) {
        state.SkipWithError("the fit failed");
        return;
    }
    analysis::TRegAut stats;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            analysis::regressionStatistics(kRows, kAttributes, 1e-10, stats, b, p.y, p.x));
    }
}
BENCHMARK(BM_RegressionStatistics)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
