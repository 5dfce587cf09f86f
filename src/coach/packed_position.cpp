#include "coach/packed_position.h"

#include "coach/arrangement.h"

namespace quellan::packed {

int codeOfPiece(int index, Footprint fp) {
    switch (kindOf(index)) {
        case PieceKind::Commander:
            return kCommanderCode;
        case PieceKind::General:
            return fp.w > fp.h ? kLyingCode : kUprightCode;
        case PieceKind::Soldier:
            return kSoldierCode;
    }
    return kEmpty;
}

int cellOfPiece(const Piece& piece) {
    // Far-off values must not overflow on the way to a cell number.
    const long long dx = static_cast<long long>(piece.left) - kBoardLeft;
    const long long dy = static_cast<long long>(piece.top) - kBoardTop;
    if (dx < 0 || dy < 0 || dx % kCell != 0 || dy % kCell != 0) return -1;
    const long long col = dx / kCell, row = dy / kCell;
    if (col >= kColumns || row >= kRows) return -1;
    return static_cast<int>(row * kColumns + col);
}

std::optional<Position> packBoard(const Board& board) {
    Position pos = 0;
    for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& piece = board.piece(i);
        const Footprint fp = footprintOf(i, piece);
        if (fp.w == 0) return std::nullopt;
        const int cell = cellOfPiece(piece);
        if (cell < 0) return std::nullopt;
        const Placement& p = kTables.place[codeOfPiece(i, fp)][cell];
        if (!p.fits || (pos & p.mask) != 0) return std::nullopt;
        pos |= p.bits;
    }
    return pos;
}

std::optional<Board> unpackBoard(Position pos) {
    static constexpr std::array<CornerShape, kKindCodes> kShapeOf = {
        CornerShape::None, CornerShape::Commander, CornerShape::Lying, CornerShape::Upright,
        CornerShape::Soldier};
    Corners corners{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int code = codeAt(pos, cell);
        if (code < kKindCodes)
            corners[static_cast<std::size_t>(cell)] = kShapeOf[static_cast<std::size_t>(code)];
    }
    return boardFromCorners(corners);
}

}  // namespace quellan::packed
