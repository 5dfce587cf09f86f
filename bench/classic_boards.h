#pragma once
// Classic arrangements the benchmarks search: 峰回路转, the one that needs
// the most steps, and 层层设防1, whose group of positions (81,462) is the
// largest of the standard pieces. 横刀立马 is the start-up board.
#include <cstdlib>
#include <string>
#include <vector>

#include "setup/layout_file.h"

namespace quellan::bench {

// The board of ten layout lines; a line the reader refuses ends the run.
inline Board boardOf(const std::vector<std::string>& lines) {
    Board board;
    if (!applyLayoutLines(board, lines)) std::abort();
    return board;
}

inline Board fengHuiLuZhuan() {
    return boardOf({"1,0,5", "2,1,4", "3,1,7", "4,1,12", "5,0,14", "6,0,19", "7,0,1", "8,0,2",
                    "9,0,3", "10,0,18"});
}

inline Board cengCengSheFang1() {
    return boardOf({"1,0,2", "2,1,1", "3,1,4", "4,0,10", "5,0,14", "6,0,18", "7,0,9", "8,0,12",
                    "9,0,13", "10,0,16"});
}

}  // namespace quellan::bench
