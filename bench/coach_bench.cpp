// The coach's distance map: building it for 横刀立马 (25,955 positions) and
// for 层层设防1 (81,462, the largest group of the standard pieces), asking it
// about the board, and the whole-piece count. Budgets: a build within 4 ms
// and 10 ms, a question within 1 µs, at most 4 MB a layout (the "bytes"
// counter).
#include <benchmark/benchmark.h>

#include "classic_boards.h"
#include "coach/arrangement_figures.h"
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
// The workshop's four bands, as its 随机 draws them.
BENCHMARK_CAPTURE(BM_DrawLayout, UpTo40, kDifficultyBands[0].steps)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawLayout, From41To90, kDifficultyBands[1].steps)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawLayout, From91To140, kDifficultyBands[2].steps)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawLayout, From141, kDifficultyBands[3].steps)->Unit(benchmark::kMillisecond);

// What the workshop works out for an arrangement after every change.
void BM_ArrangementFigures(benchmark::State& bench, const Board& board) {
    for (auto _ : bench) benchmark::DoNotOptimize(figuresOf(board));
}
BENCHMARK_CAPTURE(BM_ArrangementFigures, HengDaoLiMa, Board())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ArrangementFigures, CengCengSheFang1, cengCengSheFang1())
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quellan
