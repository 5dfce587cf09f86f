#pragma once
// The pieces of the puzzle counted in cells: the 4 x 5 grid with its cells
// numbered 0..19 row by row, the kinds of piece that stand on it and how
// many cells each covers. Everything that reasons about arrangements (the
// packed positions, their numbering, share codes, the workshop's editor and
// the layout files) speaks of pieces in these words; where a kind is stored
// as a number, the store keeps its own order and maps it here explicitly.
namespace quellan {

inline constexpr int kColumns = 4;
inline constexpr int kRows = 5;
inline constexpr int kCellCount = kColumns * kRows;

// Cell numbers count from 0 at the top-left, row by row.
constexpr int cellIndex(int column, int row) { return row * kColumns + column; }
constexpr int columnOf(int cell) { return cell % kColumns; }
constexpr int rowOf(int cell) { return cell / kColumns; }

// The ten pieces by their index 1..10: what sort of piece it is is fixed by
// its index, a general's orientation by its size.
inline constexpr int kPieceCount = 10;
inline constexpr int kCommander = 1;
inline constexpr int kFirstGeneral = 2;
inline constexpr int kLastGeneral = 6;
inline constexpr int kFirstSoldier = 7;
inline constexpr int kGenerals = kLastGeneral - kFirstGeneral + 1;
inline constexpr int kSoldiers = kPieceCount - kFirstSoldier + 1;

constexpr bool isPieceIndex(int index) { return index >= 1 && index <= kPieceCount; }
constexpr bool isGeneralIndex(int index) { return index >= kFirstGeneral && index <= kLastGeneral; }

// What stands with its top-left corner on a cell: nothing, or a piece of
// one kind, a general upright or lying.
enum class PieceKind { None, Commander, Upright, Lying, Soldier };

constexpr bool isGeneral(PieceKind kind) {
    return kind == PieceKind::Upright || kind == PieceKind::Lying;
}

// Width and height in cells.
struct Footprint {
    int w = 0;
    int h = 0;
    bool operator==(const Footprint&) const = default;
};

// The cells a piece of `kind` covers; nothing covers none.
constexpr Footprint footprintOf(PieceKind kind) {
    switch (kind) {
        case PieceKind::None:
            break;
        case PieceKind::Commander:
            return {2, 2};
        case PieceKind::Upright:
            return {1, 2};
        case PieceKind::Lying:
            return {2, 1};
        case PieceKind::Soldier:
            return {1, 1};
    }
    return {0, 0};
}

// How many pieces of `kind`'s sort the standard set holds (upright and
// lying generals share the five).
constexpr int piecesInSet(PieceKind kind) {
    switch (kind) {
        case PieceKind::None:
            break;
        case PieceKind::Commander:
            return 1;
        case PieceKind::Upright:
        case PieceKind::Lying:
            return kGenerals;
        case PieceKind::Soldier:
            return kSoldiers;
    }
    return 0;
}

// The cells the standard set leaves free.
inline constexpr int kFreeCells = [] {
    int free = kCellCount;
    for (const PieceKind kind : {PieceKind::Commander, PieceKind::Upright, PieceKind::Soldier})
        free -= piecesInSet(kind) * footprintOf(kind).w * footprintOf(kind).h;
    return free;
}();
static_assert(kFreeCells == 2);

// The cells a reading of the board in cell order passes over at a cell no
// piece covers yet: those of the piece whose top-left cell it is, or the
// free cell alone.
constexpr Footprint readingFootprint(PieceKind kind) {
    return kind == PieceKind::None ? Footprint{1, 1} : footprintOf(kind);
}

// True when cells of footprint `fp` with their top-left cell on `corner`
// stay inside the board.
constexpr bool staysOnBoard(Footprint fp, int corner) {
    return corner >= 0 && corner < kCellCount && columnOf(corner) + fp.w <= kColumns &&
           rowOf(corner) + fp.h <= kRows;
}

// Calls `visit(cell, dx, dy)` for every cell of footprint `fp` with its
// top-left cell on `corner`, dx and dy cells right of and below the corner;
// the cells must stay inside the board.
template <class Visit>
constexpr void forEachCoveredCell(Footprint fp, int corner, Visit&& visit) {
    for (int dy = 0; dy < fp.h; ++dy)
        for (int dx = 0; dx < fp.w; ++dx) visit(corner + cellIndex(dx, dy), dx, dy);
}

}  // namespace quellan
