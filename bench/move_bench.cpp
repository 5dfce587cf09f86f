// One press on the board: QZMove with its occupancy tests, the history
// entry, the step label and the move effect.
#include <benchmark/benchmark.h>

#include "null_host.h"
#include "play/move_engine.h"

namespace quellan {
namespace {

// In the start-up arrangement soldier 7 stands at cell 14 with cell 18 free
// below it: pressing below and then above it moves it down and back up, so
// every press is a real step.
constexpr int kSoldier = 7;
constexpr float kBelow[2] = {1800, 4500};  // in the strip below cell 14
constexpr float kAbove[2] = {1800, 3600};  // in the strip above cell 18
// Keeps the history from growing without end over millions of steps.
constexpr int kHistoryLimit = 4096;

void BM_MoveStep(benchmark::State& bench) {
    bench::NullHost host;
    GamePaths paths;
    GameState state;
    state.history.append(state.board.positionEntry());
    bool down = true;
    for (auto _ : bench) {
        state.selectedQZ = kSoldier;
        const float* press = down ? kBelow : kAbove;
        MoveOutcome outcome = QZMove(state, host, paths, press[0], press[1]);
        benchmark::DoNotOptimize(outcome);
        if (outcome != MoveOutcome::Moved) {
            bench.SkipWithError("the step was refused");
            break;
        }
        down = !down;
        if (state.history.size() > kHistoryLimit && down) {
            bench.PauseTiming();
            state.history.clear();
            state.history.append(state.board.positionEntry());
            bench.ResumeTiming();
        }
    }
}
BENCHMARK(BM_MoveStep);

// A press beside a blocked side: only the strip search and the occupancy
// test run.
void BM_MoveRefused(benchmark::State& bench) {
    bench::NullHost host;
    GamePaths paths;
    GameState state;
    state.history.append(state.board.positionEntry());
    for (auto _ : bench) {
        state.selectedQZ = kSoldier;  // above it stands general 2
        MoveOutcome outcome = QZMove(state, host, paths, 1800, 2700);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_MoveRefused);

}  // namespace
}  // namespace quellan
