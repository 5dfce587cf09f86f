// Solving the classic arrangements as quellan-solve --path does: the
// distance map of the layout, then one fewest-steps path through it.
// 横刀立马 from the start-up position, and 峰回路转, the one that needs the
// most steps.
#include <benchmark/benchmark.h>

#include "classic_boards.h"
#include "coach/distance_map.h"

namespace quellan {
namespace {

using bench::fengHuiLuZhuan;

void BM_Solve(benchmark::State& bench, const Board& board, std::size_t expectedSteps) {
    for (auto _ : bench) {
        const auto path = fewestStepsPath(DistanceMap(board), board);
        benchmark::DoNotOptimize(path);
        if (path.size() != expectedSteps) {
            bench.SkipWithError("wrong solution");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_Solve, HengDaoLiMa, Board(), 116)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Solve, FengHuiLuZhuan, fengHuiLuZhuan(), 179)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quellan
