#include "coach/arrangement.h"

#include "coach/packed_position.h"
#include "common/text_file.h"
#include "setup/layout_reader.h"

namespace quellan {

bool isProperArrangement(const Board& board) { return packed::packBoard(board).has_value(); }

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
