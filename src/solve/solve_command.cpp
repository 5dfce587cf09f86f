#include "solve/solve_command.h"

#include <filesystem>

#include "coach/arrangement.h"
#include "coach/distance_map.h"
#include "coach/piece_moves.h"
#include "common/text_file.h"
#include "solve/workshop_commands.h"

namespace quellan {

namespace {

constexpr const char* kUsage = "用法：quellan-solve [--path] 阵型文件.qlp...\n";
constexpr const char* kUnsolvable = "unsolvable";

std::string figure(const std::optional<int>& value) {
    return value ? std::to_string(*value) : kUnsolvable;
}

std::string layoutName(const std::filesystem::path& path) {
    const std::u8string stem = path.stem().u8string();
    return {stem.begin(), stem.end()};
}

// Answers one file; false when it cannot be read or is not a proper
// arrangement.
bool answer(const std::string& file, bool withPath, std::ostream& out, std::ostream& err) {
    const ArrangementRead read = readArrangement(pathFromUtf8(file));
    if (read.fault == ArrangementFault::Unreadable) {
        err << "quellan-solve: " << file << "：无法读取阵型文件\n";
        return false;
    }
    if (read.fault == ArrangementFault::Improper) {
        err << "quellan-solve: " << file << "：不是合规的阵型（十枚棋子都须在棋盘内，互不重叠）\n";
        return false;
    }
    const DistanceMap map(read.board);
    out << layoutName(pathFromUtf8(file)) << '\t' << figure(map.stepsToSolve(read.board)) << '\t'
        << figure(fewestPieceMoves(read.board)) << '\t' << map.positionCount() << '\n';
    if (withPath && map.stepsToSolve(read.board)) {
        Board board = read.board;
        out << board.positionEntry() << '\n';
        for (const BoardStep& step : fewestStepsPath(map, board)) {
            applyStep(board, step);
            out << board.positionEntry() << '\n';
        }
    }
    return true;
}

}  // namespace

int runSolveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (const auto status = runWorkshopCommand(args, out, err)) return *status;
    bool withPath = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--path") {
            withPath = true;
        } else if (arg.starts_with("--")) {
            err << "quellan-solve: 未知的选项 " << arg << '\n' << kUsage;
            return kSolveSomeFailed;
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        err << kUsage;
        return kSolveSomeFailed;
    }
    int status = kSolveAllRead;
    for (const std::string& file : files)
        if (!answer(file, withPath, out, err)) status = kSolveSomeFailed;
    return status;
}

}  // namespace quellan
