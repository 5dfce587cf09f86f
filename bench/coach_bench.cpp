// The coach's distance map: building it for 横刀立马 (25,955 positions) and
// for 层层设防1 (81,462, the largest group of the standard pieces), asking it
// about the board, and the whole-piece count. Budgets: a build within 4 ms
// and 10 ms, a question within 1 µs, at most 4 MB a layout (the "bytes"
// counter).
#include <benchmark/benchmark.h>

#include "classic_boards.h"
#include "coach/distance_map.h"
#include "coach/piece_moves.h"
#include "coach/random_layout.h"

namespace quellan {
namespace {

using bench::cengCengSheFang1;

void BM_BuildMap(benchmark::State& bench, const Board& board, std::size_t positions) {
    std::size_t bytes = 0;
    for (auto _ : bench) {
        const DistanceMap map(board);
        bytes = map.bytes();
        if (map.positionCount() != positions) {
            bench.SkipWithError("wrong number of positions");
            break;
        }
        benchmark::DoNotOptimize(bytes);
    }
    bench.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(BM_BuildMap, HengDaoLiMa, Board(), 25955)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildMap, CengCengSheFang1, cengCengSheFang1(), 81462)
    ->Unit(benchmark::kMillisecond);

// The questions the window asks after every step: the distance from here
// and the best next steps.
void BM_StepsToSolve(benchmark::State& bench) {
    const Board board = cengCengSheFang1();
    const DistanceMap map(board);
    for (auto _ : bench) benchmark::DoNotOptimize(map.stepsToSolve(board));
}
BENCHMARK(BM_StepsToSolve);

void BM_BestSteps(benchmark::State& bench) {
    const Board board = cengCengSheFang1();
    const DistanceMap map(board);
    for (auto _ : bench) benchmark::DoNotOptimize(map.bestSteps(board));
}
BENCHMARK(BM_BestSteps);

void BM_FewestPieceMoves(benchmark::State& bench, const Board& board) {
    for (auto _ : bench) benchmark::DoNotOptimize(fewestPieceMoves(board));
}
BENCHMARK_CAPTURE(BM_FewestPieceMoves, HengDaoLiMa, Board())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FewestPieceMoves, CengCengSheFang1, cengCengSheFang1())
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quellan

namespace quellan {
namespace {

// One random layout of a difficulty band, as the workshop draws it; the
// budget is 0.5 s for any band.
void BM_DrawLayout(benchmark::State& bench, StepBand band) {
    std::mt19937_64 random(1);
    for (auto _ : bench) {
        const auto board = drawLayout(band, random);
        if (!board) {
            bench.SkipWithError("nothing drawn");
            break;
        }
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK_CAPTURE(BM_DrawLayout, UpTo40, StepBand{1, 40})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawLayout, From41To90, StepBand{41, 90})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawLayout, From91To140, StepBand{91, 140})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawLayout, From141, StepBand{141, 179})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quellan
