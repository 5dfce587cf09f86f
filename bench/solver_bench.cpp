// The solver on the classic arrangements: 横刀立马 from the start-up
// position, and 峰回路转, the one that needs the most steps.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "classic_boards.h"
#include "play/solver.h"

namespace quellan {
namespace {

using bench::fengHuiLuZhuan;

void BM_Solve(benchmark::State& bench, const Board& board, int expectedSteps) {
    for (auto _ : bench) {
        auto solution = solve(board);
        benchmark::DoNotOptimize(solution);
        if (!solution || solution->steps != expectedSteps) {
            bench.SkipWithError("wrong solution");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_Solve, HengDaoLiMa, Board(), 116)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Solve, FengHuiLuZhuan, fengHuiLuZhuan(), 179)->Unit(benchmark::kMillisecond);

void BM_CountReachable(benchmark::State& bench) {
    const Board board;
    for (auto _ : bench) benchmark::DoNotOptimize(countReachable(board));
}
BENCHMARK(BM_CountReachable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quellan
