// Reading a layout file that is already in memory onto the board.
#include <benchmark/benchmark.h>

#include <string_view>

#include "setup/layout_file.h"

namespace quellan {
namespace {

// 横刀立马 as the game ships it: a GB18030 comment line, then ten layout
// lines, CR LF.
constexpr std::string_view kShipped =
    "// \xBA\xE1\xB5\xB6\xC1\xA2\xC2\xED \xA1\xAA \xD7\xEE\xC9\xD9 116 \xB2\xBD\r\n"
    "1,0,2\r\n2,0,10\r\n3,1,1\r\n4,1,4\r\n5,1,9\r\n"
    "6,1,12\r\n7,0,14\r\n8,0,15\r\n9,0,17\r\n10,0,20\r\n";

// The same ten lines in plain ASCII, which skips the code-page converter.
constexpr std::string_view kPlain =
    "1,0,2\r\n2,0,10\r\n3,1,1\r\n4,1,4\r\n5,1,9\r\n"
    "6,1,12\r\n7,0,14\r\n8,0,15\r\n9,0,17\r\n10,0,20\r\n";

// Every line quoted and written with full-width commas (GB18030 A3 AC).
constexpr std::string_view kDressed =
    "\"1\xA3\xAC"
    "0\xA3\xAC"
    "2\"\r\n\"2\xA3\xAC"
    "0\xA3\xAC"
    "10\"\r\n"
    "\"3\xA3\xAC"
    "1\xA3\xAC"
    "1\"\r\n\"4\xA3\xAC"
    "1\xA3\xAC"
    "4\"\r\n"
    "\"5\xA3\xAC"
    "1\xA3\xAC"
    "9\"\r\n\"6\xA3\xAC"
    "1\xA3\xAC"
    "12\"\r\n"
    "\"7\xA3\xAC"
    "0\xA3\xAC"
    "14\"\r\n\"8\xA3\xAC"
    "0\xA3\xAC"
    "15\"\r\n"
    "\"9\xA3\xAC"
    "0\xA3\xAC"
    "17\"\r\n\"10\xA3\xAC"
    "0\xA3\xAC"
    "20\"\r\n";

void BM_LoadLayout(benchmark::State& bench, std::string_view bytes) {
    for (auto _ : bench) {
        Board board;
        bool ok = applyLayoutBytes(board, bytes);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(board);
        if (!ok) {
            bench.SkipWithError("the layout did not load");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_LoadLayout, shipped, kShipped);
BENCHMARK_CAPTURE(BM_LoadLayout, plain, kPlain);
BENCHMARK_CAPTURE(BM_LoadLayout, dressed, kDressed);

}  // namespace
}  // namespace quellan
