// quellan-solve: the fewest steps, whole-piece moves and reachable positions
// of layout files, for players and tests.
#include <iostream>

#include "solve/solve_command.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return quellan::runSolveCommand(args, std::cout, std::cerr);
}
