#include "coach/arrangement.h"

#include <string>
#include <vector>

#include "coach/packed_position.h"
#include "common/text_file.h"
#include "setup/layout_file.h"

namespace quellan {

bool isProperArrangement(const Board& board) { return packed::packBoard(board).has_value(); }

std::array<int, kCellCount> pieceNumbers(const Corners& corners) {
    std::array<int, kCellCount> numbers{};
    int commander = kCommander, general = kFirstGeneral, soldier = kFirstSoldier;
    const auto number = [](int& next, int last) { return next <= last ? next++ : -1; };
    for (const PieceKind pass : {PieceKind::Lying, PieceKind::Upright})
        for (int cell = 0; cell < kCellCount; ++cell)
            if (corners[static_cast<std::size_t>(cell)] == pass)
                numbers[static_cast<std::size_t>(cell)] = number(general, kLastGeneral);
    for (int cell = 0; cell < kCellCount; ++cell) {
        const PieceKind kind = corners[static_cast<std::size_t>(cell)];
        if (kind == PieceKind::Commander)
            numbers[static_cast<std::size_t>(cell)] = number(commander, kCommander);
        if (kind == PieceKind::Soldier)
            numbers[static_cast<std::size_t>(cell)] = number(soldier, kPieceCount);
    }
    return numbers;
}

std::optional<Board> boardFromCorners(const Corners& corners) {
    const std::array<int, kCellCount> numbers = pieceNumbers(corners);
    std::vector<std::string> lines;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const auto at = static_cast<std::size_t>(cell);
        if (corners[at] == PieceKind::None) continue;
        if (numbers[at] < 0) return std::nullopt;  // more of a kind than the set holds
        lines.push_back(layoutLine(numbers[at], corners[at], cell));
    }
    // Every piece starts off the board, so a missing one makes it improper.
    Board board;
    for (int i = 1; i <= kPieceCount; ++i) board.piece(i).left = -kCell;
    if (!applyLayoutLines(board, lines) || !isProperArrangement(board)) return std::nullopt;
    return board;
}

ArrangementRead readArrangement(const std::filesystem::path& path) {
    ArrangementRead read;
    for (int i = 1; i <= kPieceCount; ++i) {
        read.board.piece(i).left = -kCell;
        read.board.piece(i).top = -kCell;
    }
    const auto bytes = readFileBytes(path);
    if (!bytes || !applyLayoutBytes(read.board, *bytes))
        read.fault = ArrangementFault::Unreadable;
    else if (!isProperArrangement(read.board))
        read.fault = ArrangementFault::Improper;
    return read;
}

}  // namespace quellan
