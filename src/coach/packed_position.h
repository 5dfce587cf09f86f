#pragma once
// A board position packed into one 64-bit number, for the searches of the
// puzzle. The 20 cells take 3 bits each, row by row. A cell holds the kind
// of the piece whose top-left cell it is; another cell of a piece says where
// that top-left cell is (left of it, above it, or both). Naming kinds instead
// of pieces makes pieces of one kind interchangeable; marking the top-left
// cell keeps two lying generals side by side apart, and the pointers let a
// free cell find the piece beside it at once.
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <utility>

#include "setup/board.h"
#include "setup/step.h"

namespace quellan::packed {

using Position = std::uint64_t;

enum Code : int {
    kEmpty = 0,
    kCommanderCode = 1,
    kLyingCode = 2,
    kUprightCode = 3,
    kSoldierCode = 4,
    kRightPart = 5,       // the top-left cell is one to the left
    kLowerPart = 6,       // the top-left cell is one above
    kLowerRightPart = 7,  // the top-left cell is one up and one to the left
};
inline constexpr int kKindCodes = 5;  // kEmpty .. kSoldierCode
// The kind each of the codes below kKindCodes stands for. The numbers are
// the packed form's own: the step search reads kinds straight from the bits.
inline constexpr std::array<PieceKind, kKindCodes> kKindOfCode = {
    PieceKind::None, PieceKind::Commander, PieceKind::Lying, PieceKind::Upright,
    PieceKind::Soldier};
inline constexpr int kBitsPerCell = 3;
inline constexpr Position kCellMask = 7;
inline constexpr int kHomeCell = cellOf({kHomeLeft, kHomeTop});
inline constexpr int kDirectionCount = static_cast<int>(kDirections.size());

constexpr int shiftOf(int cell) { return kBitsPerCell * cell; }

// The code of `kind`.
constexpr int codeOf(PieceKind kind) {
    for (int code = 0; code < kKindCodes; ++code)
        if (kKindOfCode[static_cast<std::size_t>(code)] == kind) return code;
    return kEmpty;
}

// A piece of one kind placed with its top-left cell on one cell: the bits
// it sets and the mask of all its cells.
struct Placement {
    bool fits = false;
    Position bits = 0;
    Position mask = 0;
};

// One step of a piece: the cells it newly covers (which must be empty) and
// where its top-left cell goes.
struct StepRule {
    bool fits = false;
    Position entered = 0;
    int to = 0;
};

struct Tables {
    std::array<std::array<Placement, kCellCount>, kKindCodes> place{};
    std::array<std::array<std::array<StepRule, kDirectionCount>, kCellCount>, kKindCodes> step{};
    // The bits a step changes, for the search: the piece's fields where it
    // stood and where it goes.
    std::array<std::array<std::array<Position, kDirectionCount>, kCellCount>, kKindCodes> flip{};
};

constexpr Tables makeTables() {
    Tables t;
    for (int code = kCommanderCode; code <= kSoldierCode; ++code) {
        const Footprint fp = footprintOf(kKindOfCode[static_cast<std::size_t>(code)]);
        for (int cell = 0; cell < kCellCount; ++cell) {
            Placement& p = t.place[code][cell];
            p.fits = staysOnBoard(fp, cell);
            if (!p.fits) continue;
            forEachCoveredCell(fp, cell, [&](int c, int dx, int dy) {
                p.mask |= kCellMask << shiftOf(c);
                const int part = dx == 0 ? (dy == 0 ? code : kLowerPart)
                                         : (dy == 0 ? kRightPart : kLowerRightPart);
                p.bits |= Position(part) << shiftOf(c);
            });
        }
    }
    for (int code = kCommanderCode; code <= kSoldierCode; ++code) {
        const Footprint fp = footprintOf(kKindOfCode[static_cast<std::size_t>(code)]);
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (!t.place[code][cell].fits) continue;
            for (int d = 0; d < kDirectionCount; ++d) {
                const PieceStep move = stepOf(cellCorner(cell), fp, kDirections[d]);
                const int to = cellOf(move.to);
                if (to < 0 || !t.place[code][to].fits) continue;
                StepRule& rule = t.step[code][cell][d];
                rule.fits = true;
                rule.to = to;
                for (int k = 0; k < move.enteredCount; ++k)
                    rule.entered |= kCellMask << shiftOf(cellOf(move.entered[k]));
                t.flip[code][cell][d] = t.place[code][cell].bits ^ t.place[code][to].bits;
            }
        }
    }
    return t;
}

inline constexpr Tables kTables = makeTables();

inline int codeAt(Position pos, int cell) {
    return static_cast<int>((pos >> shiftOf(cell)) & kCellMask);
}

// The number of bits set, in a few instructions on any processor (the
// library's popcount is a call where the instruction is not assumed).
constexpr int countBits(std::uint64_t x) {
    x -= x >> 1 & 0x5555555555555555ull;
    x = (x & 0x3333333333333333ull) + (x >> 2 & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>(x * 0x0101010101010101ull >> 56);
}

// The lowest bit of every cell's field.
inline constexpr Position kFieldBases = [] {
    Position bases = 0;
    for (int cell = 0; cell < kCellCount; ++cell) bases |= Position{1} << shiftOf(cell);
    return bases;
}();

// One bit, at the field's lowest bit, for each free cell.
inline Position freeCells(Position pos) { return ~(pos | pos >> 1 | pos >> 2) & kFieldBases; }

inline bool isHome(Position pos) { return codeAt(pos, kHomeCell) == kCommanderCode; }

// The position after the piece of kind `code` with its top-left cell at
// `cell` takes step `d`, or 0 when the step leaves the board or enters a
// covered cell. No real position is 0: the commander is always somewhere.
inline Position stepped(Position pos, int code, int cell, int d) {
    const StepRule& rule = kTables.step[code][cell][d];
    if (!rule.fits || (pos & rule.entered) != 0) return 0;
    return (pos & ~kTables.place[code][cell].mask) | kTables.place[code][rule.to].bits;
}

namespace step_detail {

inline constexpr int kMostSteps = 8;  // four ways into each of the two free cells

// The field bases of the cells in the given columns.
constexpr Position basesInColumns(int first, int last) {
    Position bases = 0;
    for (int cell = 0; cell < kCellCount; ++cell)
        if (columnOf(cell) >= first && columnOf(cell) <= last)
            bases |= Position{1} << shiftOf(cell);
    return bases;
}
inline constexpr Position kNotFirstColumn = basesInColumns(1, kColumns - 1);
inline constexpr Position kNotLastColumn = basesInColumns(0, kColumns - 2);
inline constexpr Position kFirstTwoColumns = basesInColumns(0, 1);

// The field of cell `c` moved to cell `c - n` (n < 0: to `c + |n|`).
constexpr Position cellsOn(Position bases, int n) {
    return n >= 0 ? bases >> (kBitsPerCell * n) : bases << (kBitsPerCell * -n);
}

// What a step's bit in the gathered word means, by how far above the
// field base it lies and the code of its cell: how many cells back the
// piece's top-left cell lies, and the direction. Two above, a cell left
// free or holding a piece's lower part is the cell below a piece stepping
// down.
struct StepSlot {
    int back = 0;
    int direction = 0;
};
inline constexpr auto kStepSlots = [] {
    std::array<std::array<StepSlot, 8>, kBitsPerCell> meaning{};
    for (int code = 0; code < 8; ++code) {
        meaning[0][code] = {0, static_cast<int>(Direction::Left)};
        meaning[1][code] = {0, static_cast<int>(Direction::Right)};
        const bool below = code == kEmpty || code == kLowerPart;
        meaning[2][code] = {below ? kColumns : 0,
                            static_cast<int>(below ? Direction::Down : Direction::Up)};
    }
    return meaning;
}();

// The bit, in the word of the position after it, of the step back from a
// step of the piece with its top-left cell at `from` in each direction.
inline constexpr auto kBackBits = [] {
    std::array<std::array<int, kDirectionCount>, kCellCount> bits{};
    for (int from = 0; from < kCellCount; ++from) {
        for (int d = 0; d < kDirectionCount; ++d) {
            const CellOffset off = offsetOf(kDirections[d]);
            const int to = from + cellIndex(off.columns, off.rows);
            if (to < 0 || to >= kCellCount) continue;
            switch (kDirections[d]) {
                case Direction::Up:  // back down, kept on the cell below
                    bits[from][d] = kBitsPerCell * from + 2;
                    break;
                case Direction::Down:
                    bits[from][d] = kBitsPerCell * to + 2;
                    break;
                case Direction::Left:  // back right
                    bits[from][d] = kBitsPerCell * to + 1;
                    break;
                case Direction::Right:
                    bits[from][d] = kBitsPerCell * to;
                    break;
            }
        }
    }
    return bits;
}();

}  // namespace step_detail

// Calls `visit(after, back)` once for every position one step away from
// `pos` but those whose bits are in `skip`: `back` is the bit of the step
// that returns, in the word of `after`. Every piece that can step in each
// direction is found at once, a bit at its top-left cell's field base, from
// masks of the free cells moved against the pieces of each kind: no table
// is read until a step is known to be free. The steps are gathered into one
// word, left ones on the field bases, right ones one bit above and up and
// down ones two above; a down step goes on the cell below the piece's
// top-left, which no up step can use (that step would need the piece's own
// cell free), so every step has a bit of its own.
template <class Visit>
inline void forEachStepBut(Position pos, Position skip, Visit&& visit) {
    using namespace step_detail;
    const Position b0 = pos & kFieldBases, b1 = pos >> 1 & kFieldBases, b2 = pos >> 2 & kFieldBases;
    const Position free = freeCells(pos);
    const Position commanders = b0 & ~b1 & ~b2;
    const Position lying = b1 & ~b0 & ~b2;
    const Position upright = b0 & b1 & ~b2;
    const Position soldiers = b2 & ~b1 & ~b0;
    // What is free n cells on from each cell, on that cell's base.
    const auto freeAt = [free](int n) { return cellsOn(free, n); };
    const Position left = freeAt(-1) & kNotFirstColumn &
                          (soldiers | lying | ((upright | commanders) & freeAt(kColumns - 1)));
    const Position right =
        (freeAt(1) & kNotLastColumn & (soldiers | (upright & freeAt(kColumns + 1)))) |
        (freeAt(2) & kFirstTwoColumns & (lying | (commanders & freeAt(kColumns + 2))));
    const Position up =
        freeAt(-kColumns) & (soldiers | upright | ((lying | commanders) & freeAt(1 - kColumns)));
    const Position down =
        (freeAt(kColumns) & (soldiers | (lying & freeAt(kColumns + 1)))) |
        (freeAt(2 * kColumns) & (upright | (commanders & freeAt(2 * kColumns + 1))));
    for (Position steps = (left | right << 1 | (up | cellsOn(down, -kColumns)) << 2) & ~skip;
         steps != 0; steps &= steps - 1) {
        const int bit = std::countr_zero(steps);
        const StepSlot& step = kStepSlots[bit % kBitsPerCell][codeAt(pos, bit / kBitsPerCell)];
        const int from = bit / kBitsPerCell - step.back;
        visit(pos ^ kTables.flip[codeAt(pos, from)][from][step.direction],
              kBackBits[from][step.direction]);
    }
}

// Calls `visit(after)` once for every position one step away from `pos`.
template <class Visit>
inline void forEachStep(Position pos, Visit&& visit) {
    forEachStepBut(pos, 0, [&](Position after, int) { visit(after); });
}

// The kind code of piece `index` with footprint `fp`.
int codeOfPiece(int index, Footprint fp);

// The cell (0..19) of a piece's top-left corner, or -1 when it is not a
// cell corner.
inline int cellOfPiece(const Piece& piece) { return cellOf({piece.left, piece.top}); }

// The packed position of a proper arrangement; nullopt when a piece stands
// off the grid or past the edge, overlaps another, or is a general with
// equal sides.
std::optional<Position> packBoard(const Board& board);

// The board of a packed position, its pieces numbered as a layout file
// numbers them (pieceNumbers in coach/arrangement.h).
std::optional<Board> unpackBoard(Position pos);

}  // namespace quellan::packed
