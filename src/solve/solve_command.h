#pragma once
// quellan-solve: answers for layout files on the command line. For each
// file one line, tab-separated: the layout's name, the fewest single-cell
// steps, the fewest whole-piece moves (each "unsolvable" when there is no
// solution) and the number of positions reachable. With --path the
// position entries of one fewest-steps solution follow, entry 0 first.
// The workshop modes (--generate, --code, --decode) are described in
// workshop_commands.h.
#include <ostream>
#include <string>
#include <vector>

namespace quellan {

inline constexpr int kSolveAllRead = 0;
inline constexpr int kSolveSomeFailed = 2;

// Runs the command on its arguments (without the program name). A file
// that cannot be read or is not a proper arrangement gets a message on
// `err` and the status kSolveSomeFailed; the other files are still answered.
int runSolveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quellan
