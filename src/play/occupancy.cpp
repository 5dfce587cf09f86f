#include "play/occupancy.h"

namespace quellan {

namespace {

bool at(float x, float y, int left, int top) {
    return static_cast<float>(left) == x && static_cast<float>(top) == y;
}

}  // namespace

std::int16_t CheckXY(const Board& board, int index, float x, float y) {
    if (x < kBoardLeft || y < kBoardTop || x > kLastColumnLeft || y > kLastRowTop) return 1;
    for (int i = 1; i <= kPieceCount; ++i) {
        if (i == index) continue;
        const Piece& p = board.piece(i);
        const int l = p.left, t = p.top;
        if (at(x, y, l, t)) return 1;
        switch (kindOf(i, p)) {
            case PieceKind::Commander:
                if (at(x, y, l + kCell, t) || at(x, y, l, t + kCell) ||
                    at(x, y, l + kCell, t + kCell))
                    return 1;
                break;
            case PieceKind::Lying:
                if (at(x, y, l + kCell, t)) return 1;
                break;
            case PieceKind::Upright:
                if (at(x, y, l, t + kCell)) return 1;
                break;
            case PieceKind::Soldier:
            case PieceKind::None:  // a general with equal sides covers its corner only
                break;
        }
    }
    return 0;
}

}  // namespace quellan
