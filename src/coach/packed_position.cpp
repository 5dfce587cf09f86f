#include "coach/packed_position.h"

#include "coach/arrangement.h"

namespace quellan::packed {

int codeOfPiece(int index, Footprint fp) {
    // The piece's kind as the board reads it from a piece of that size.
    Piece standing;
    standing.width = kCell * fp.w;
    standing.height = kCell * fp.h;
    return codeOf(kindOf(index, standing));
}

std::optional<Position> packBoard(const Board& board) {
    Position pos = 0;
    for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& piece = board.piece(i);
        const PieceKind kind = kindOf(i, piece);
        const int cell = cellOfPiece(piece);
        if (kind == PieceKind::None || cell < 0) return std::nullopt;
        const Placement& p = kTables.place[codeOf(kind)][cell];
        if (!p.fits || (pos & p.mask) != 0) return std::nullopt;
        pos |= p.bits;
    }
    return pos;
}

std::optional<Board> unpackBoard(Position pos) {
    Corners corners{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int code = codeAt(pos, cell);
        if (code < kKindCodes)
            corners[static_cast<std::size_t>(cell)] = kKindOfCode[static_cast<std::size_t>(code)];
    }
    return boardFromCorners(corners);
}

}  // namespace quellan::packed
