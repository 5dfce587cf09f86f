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

#include "coach/step.h"
#include "setup/board.h"

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
inline constexpr int kBitsPerCell = 3;
inline constexpr Position kCellMask = 7;
inline constexpr int kHomeCell = 13;  // cell 14, counted from 0
inline constexpr int kDirectionCount = static_cast<int>(kDirections.size());

constexpr Footprint footprintOfCode(int code) {
    switch (code) {
        case kCommanderCode:
            return {2, 2};
        case kLyingCode:
            return {2, 1};
        case kUprightCode:
            return {1, 2};
        default:
            return {1, 1};
    }
}

constexpr int shiftOf(int cell) { return kBitsPerCell * cell; }

constexpr Point cornerOf(int cell) {
    return {kBoardLeft + kCell * (cell % kColumns), kBoardTop + kCell * (cell / kColumns)};
}

// The cell (0..19) whose corner is `p`, or -1 off the grid.
constexpr int cellAt(Point p) {
    const int dx = p.left - kBoardLeft, dy = p.top - kBoardTop;
    if (dx < 0 || dy < 0 || dx % kCell != 0 || dy % kCell != 0) return -1;
    const int col = dx / kCell, row = dy / kCell;
    if (col >= kColumns || row >= kRows) return -1;
    return row * kColumns + col;
}

// A piece of one kind with its top-left cell at one place: the bits it sets
// and the mask of all its cells.
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

// The same step as the search takes it: the entered cells' fields, every bit
// set where the piece cannot take the step at all, and the bits that change
// (the entered cells being free).
struct SearchStep {
    Position entered = ~Position{0};
    Position flip = 0;
};

struct Tables {
    std::array<std::array<Placement, kCellCount>, kKindCodes> place{};
    // One more cell than the board: the cell beyond it (see enteringFrom),
    // where nothing fits.
    std::array<std::array<std::array<StepRule, kDirectionCount>, kCellCount>, kKindCodes> step{};
    std::array<std::array<std::array<SearchStep, kDirectionCount>, kCellCount + 1>, kKindCodes>
        searchStep{};
    // For a free cell and a direction: the cell beside it from which a piece
    // stepping that way would enter it; past the edge kCellCount, a cell
    // beyond the board that always reads as free.
    std::array<std::array<int, kDirectionCount>, kCellCount> enteringFrom{};
};

constexpr Tables makeTables() {
    Tables t;
    for (auto& from : t.enteringFrom) from.fill(kCellCount);
    for (int code = kCommanderCode; code <= kSoldierCode; ++code) {
        const Footprint fp = footprintOfCode(code);
        for (int cell = 0; cell < kCellCount; ++cell) {
            const int col = cell % kColumns, row = cell / kColumns;
            Placement& p = t.place[code][cell];
            p.fits = col + fp.w <= kColumns && row + fp.h <= kRows;
            if (!p.fits) continue;
            for (int dy = 0; dy < fp.h; ++dy) {
                for (int dx = 0; dx < fp.w; ++dx) {
                    const int c = cell + dy * kColumns + dx;
                    p.mask |= kCellMask << shiftOf(c);
                    const int part = dx == 0 ? (dy == 0 ? code : kLowerPart)
                                             : (dy == 0 ? kRightPart : kLowerRightPart);
                    p.bits |= Position(part) << shiftOf(c);
                }
            }
        }
    }
    for (int code = kCommanderCode; code <= kSoldierCode; ++code) {
        const Footprint fp = footprintOfCode(code);
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (!t.place[code][cell].fits) continue;
            for (int d = 0; d < kDirectionCount; ++d) {
                const PieceStep move = stepOf(cornerOf(cell), fp, kDirections[d]);
                const int to = cellAt(move.to);
                if (to < 0 || !t.place[code][to].fits) continue;
                StepRule& rule = t.step[code][cell][d];
                rule.fits = true;
                rule.to = to;
                for (int k = 0; k < move.enteredCount; ++k)
                    rule.entered |= kCellMask << shiftOf(cellAt(move.entered[k]));
                t.searchStep[code][cell][d] = {rule.entered,
                                               t.place[code][cell].bits ^ t.place[code][to].bits};
                t.enteringFrom[to][d] = cell;
            }
        }
    }
    return t;
}

inline constexpr Tables kTables = makeTables();

inline int codeAt(Position pos, int cell) {
    return static_cast<int>((pos >> shiftOf(cell)) & kCellMask);
}

// How far back from a cell of each code its piece's top-left cell lies.
inline constexpr std::array<int, 8> kBackToTopLeft = {0, 0, 0, 0, 0, 1, kColumns, kColumns + 1};

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

inline constexpr int kMostSteps = 2 * kDirectionCount;  // two free cells

// Adds the step of the piece beside free cell `cell` in direction D into it
// to `after`, if the piece can take it. `blocked` is the position with
// every bit below the cell's field set too: a step whose entered cells meet
// it is not free, or is a step into both free cells seen from the second.
// No branch: whether the step counts only decides whether `count` grows.
template <int D>
inline void stepInto(Position pos, int cell, Position blocked, Position* after, int& count) {
    const int beside = kTables.enteringFrom[cell][D];
    const int part = codeAt(pos, beside);
    const int topLeft = beside - kBackToTopLeft[part];
    const SearchStep& step = kTables.searchStep[codeAt(pos, topLeft)][topLeft][D];
    after[count] = pos ^ step.flip;
    count += static_cast<int>((blocked & step.entered) == 0);
}

template <int... D>
inline void stepsInto(Position pos, int cell, Position blocked, Position* after, int& count,
                      std::integer_sequence<int, D...>) {
    (stepInto<D>(pos, cell, blocked, after, count), ...);
}

}  // namespace step_detail

// Calls `visit(after)` once for every position one step away from `pos`.
// Only a piece beside a free cell can step, into that cell, so the walk
// starts from the two free cells; a step into both is taken from the first.
template <class Visit>
inline void forEachStep(Position pos, Visit&& visit) {
    Position after[step_detail::kMostSteps];
    int count = 0;
    for (Position free = freeCells(pos); free != 0; free &= free - 1) {
        const int shift = std::countr_zero(free);
        const Position blocked = pos | ((Position{1} << shift) - 1);
        step_detail::stepsInto(pos, shift / kBitsPerCell, blocked, after, count,
                               std::make_integer_sequence<int, kDirectionCount>());
    }
    for (int k = 0; k < count; ++k) visit(after[k]);
}

// The kind code of piece `index` with footprint `fp`.
int codeOfPiece(int index, Footprint fp);

// The cell (0..19) of a piece's top-left corner, or -1 when it is not a
// cell corner.
int cellOfPiece(const Piece& piece);

// The packed position of a proper arrangement; nullopt when a piece stands
// off the grid or past the edge, overlaps another, or is a general with
// equal sides.
std::optional<Position> packBoard(const Board& board);

// The board of a packed position, its pieces numbered as a layout file
// numbers them (pieceNumbers in coach/arrangement.h).
std::optional<Board> unpackBoard(Position pos);

}  // namespace quellan::packed
