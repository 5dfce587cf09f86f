#include "coach/arrangement.h"

#include <string>
#include <vector>

#include "coach/packed_position.h"
#include "common/text_file.h"
#include "setup/layout_reader.h"

namespace quellan {

bool isProperArrangement(const Board& board) { return packed::packBoard(board).has_value(); }

std::optional<Board> boardFromCorners(const Corners& corners) {
    std::vector<std::string> lines;
    int commanders = 0, general = kFirstGeneral, soldier = kFirstSoldier;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const std::string at = "," + std::to_string(cell + 1);
        switch (corners[static_cast<std::size_t>(cell)]) {
            case CornerShape::None:
                break;
            case CornerShape::Commander:
                if (commanders++ > 0) return std::nullopt;
                lines.push_back("1,0" + at);
                break;
            case CornerShape::Upright:
            case CornerShape::Lying:
                if (general > kLastGeneral) return std::nullopt;
                lines.push_back(std::to_string(general++) +
                                (corners[static_cast<std::size_t>(cell)] == CornerShape::Upright
                                     ? ",1"
                                     : ",0") +
                                at);
                break;
            case CornerShape::Soldier:
                if (soldier > kPieceCount) return std::nullopt;
                lines.push_back(std::to_string(soldier++) + ",0" + at);
                break;
        }
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
