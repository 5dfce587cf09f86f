#include "play/solver.h"

#include <array>
#include <bit>
#include <cstdint>
#include <limits>

#include "play/occupancy.h"

namespace quellan {

namespace {

// A position packs the 20 cells into 3 bits each, row by row. A cell holds
// the kind of the piece whose top-left cell it is; another cell of a piece
// says where that top-left cell is (left of it, above it, or both). Naming
// kinds instead of pieces makes pieces of one kind interchangeable; marking
// the top-left cell keeps two lying generals side by side apart, and the
// pointers let a free cell find the piece beside it at once.
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
inline constexpr int kDirections = 4;

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

constexpr std::array<int, kDirections> kColumnStep = {0, 0, -1, 1};  // Up, Down, Left, Right
constexpr std::array<int, kDirections> kRowStep = {-1, 1, 0, 0};

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

struct Tables {
    std::array<std::array<Placement, kCellCount>, kKindCodes> place{};
    std::array<std::array<std::array<StepRule, kDirections>, kCellCount>, kKindCodes> step{};
    // For a free cell and a direction: the cell beside it from which a piece
    // stepping that way would enter it, or -1 past the edge.
    std::array<std::array<int, kDirections>, kCellCount> enteringFrom{};
};

constexpr Tables makeTables() {
    Tables t;
    for (auto& from : t.enteringFrom) from.fill(-1);
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
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (!t.place[code][cell].fits) continue;
            for (int d = 0; d < kDirections; ++d) {
                const int col = cell % kColumns + kColumnStep[d];
                const int row = cell / kColumns + kRowStep[d];
                if (col < 0 || row < 0 || col >= kColumns || row >= kRows) continue;
                const int to = row * kColumns + col;
                if (!t.place[code][to].fits) continue;
                t.enteringFrom[to][d] = cell;
                StepRule& rule = t.step[code][cell][d];
                rule.fits = true;
                rule.to = to;
                rule.entered = t.place[code][to].mask & ~t.place[code][cell].mask;
            }
        }
    }
    return t;
}

constexpr Tables kTables = makeTables();

int codeAt(Position pos, int cell) { return static_cast<int>((pos >> shiftOf(cell)) & kCellMask); }

// How far back from a cell of each code its piece's top-left cell lies.
constexpr std::array<int, 8> kBackToTopLeft = {0, 0, 0, 0, 0, 1, kColumns, kColumns + 1};

// The lowest bit of every cell's field.
constexpr Position kFieldBases = [] {
    Position bases = 0;
    for (int cell = 0; cell < kCellCount; ++cell) bases |= Position{1} << shiftOf(cell);
    return bases;
}();

// One bit, at the field's lowest bit, for each free cell.
Position freeCells(Position pos) { return ~(pos | pos >> 1 | pos >> 2) & kFieldBases; }

bool isHome(Position pos) { return codeAt(pos, kHomeCell) == kCommanderCode; }

// The position after the piece of kind `code` with its top-left cell at
// `cell` takes step `d`, or 0 when the step leaves the board or enters a
// covered cell. No real position is 0: the commander is always somewhere.
Position stepped(Position pos, int code, int cell, int d) {
    const StepRule& rule = kTables.step[code][cell][d];
    if (!rule.fits || (pos & rule.entered) != 0) return 0;
    return (pos & ~kTables.place[code][cell].mask) | kTables.place[code][rule.to].bits;
}

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

// The cell of a piece's top-left corner, or -1 when it is not a cell corner.
int cellOfPiece(const Piece& piece) {
    const long dx = static_cast<long>(piece.left) - kBoardLeft;
    const long dy = static_cast<long>(piece.top) - kBoardTop;
    if (dx < 0 || dy < 0 || dx % kCell != 0 || dy % kCell != 0) return -1;
    const long col = dx / kCell, row = dy / kCell;
    if (col >= kColumns || row >= kRows) return -1;
    return static_cast<int>(row * kColumns + col);
}

// The packed position of a proper arrangement; nullopt when a piece stands
// off the grid or past the edge, overlaps another, or is a general with
// equal sides.
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

// The set of positions seen: open addressing with linear probing, 0 marking
// a free slot.
class PositionSet {
  public:
    // `capacity` must be a power of two.
    explicit PositionSet(std::size_t capacity) : m_slots(capacity, 0) { sizeShift(); }

    // Adds `pos`; false when it was already there.
    bool insert(Position pos) {
        if (4 * (m_size + 1) > 3 * m_slots.size()) grow();
        return place(pos);
    }

  private:
    std::size_t slotOf(Position pos) const {
        // Fibonacci hashing: the top bits of the product depend on every cell.
        return static_cast<std::size_t>((pos * 0x9E3779B97F4A7C15ull) >> m_shift);
    }
    void sizeShift() {
        m_mask = m_slots.size() - 1;
        m_shift = 64;
        for (std::size_t n = m_slots.size(); n > 1; n >>= 1) --m_shift;
    }
    bool place(Position pos) {
        for (std::size_t s = slotOf(pos);; s = (s + 1) & m_mask) {
            if (m_slots[s] == pos) return false;
            if (m_slots[s] == 0) {
                m_slots[s] = pos;
                ++m_size;
                return true;
            }
        }
    }
    void grow() {
        std::vector<Position> old(2 * m_slots.size(), 0);
        old.swap(m_slots);
        sizeShift();
        m_size = 0;
        for (Position pos : old)
            if (pos != 0) place(pos);
    }

    std::vector<Position> m_slots;
    std::size_t m_mask = 0;
    int m_shift = 64;
    std::size_t m_size = 0;
};

inline constexpr std::uint32_t kNoParent = std::numeric_limits<std::uint32_t>::max();
inline constexpr std::size_t kUsualPositions = 1 << 15;

// The breadth-first search: every position seen, in the order found, with
// the one it was reached from.
struct Search {
    std::vector<Position> positions;
    std::vector<std::uint32_t> parents;
    std::optional<std::size_t> home;  // the first solved position found
};

Search explore(Position start, bool stopAtHome) {
    Search search;
    search.positions.reserve(kUsualPositions);
    search.parents.reserve(kUsualPositions);
    search.positions.push_back(start);
    search.parents.push_back(kNoParent);
    if (stopAtHome && isHome(start)) {
        search.home = 0;
        return search;
    }
    PositionSet seen(2 * kUsualPositions);
    seen.insert(start);
    for (std::size_t next = 0; next < search.positions.size(); ++next) {
        const Position pos = search.positions[next];
        // Only a piece beside a free cell can step, into that cell.
        for (Position free = freeCells(pos); free != 0; free &= free - 1) {
            const int cell = std::countr_zero(free) / kBitsPerCell;
            for (int d = 0; d < kDirections; ++d) {
                const int beside = kTables.enteringFrom[cell][d];
                if (beside < 0) continue;
                const int part = codeAt(pos, beside);
                if (part == kEmpty) continue;
                const int topLeft = beside - kBackToTopLeft[part];
                const Position after = stepped(pos, codeAt(pos, topLeft), topLeft, d);
                if (after == 0 || !seen.insert(after)) continue;
                search.positions.push_back(after);
                search.parents.push_back(static_cast<std::uint32_t>(next));
                if (stopAtHome && isHome(after)) {
                    search.home = search.positions.size() - 1;
                    return search;
                }
            }
        }
    }
    return search;
}

constexpr std::array<Direction, kDirections> kDirectionOf = {Direction::Up, Direction::Down,
                                                             Direction::Left, Direction::Right};

// Whether piece `index` may step in direction `d` by the game's own
// occupancy test, asked for every cell the piece would newly cover.
bool allowedOnBoard(const Board& board, int index, int d) {
    const Piece& piece = board.piece(index);
    const Footprint fp = footprintOf(index, piece);
    const int dx = kColumnStep[static_cast<size_t>(d)], dy = kRowStep[static_cast<size_t>(d)];
    // The entered cells lie in the row or column just beyond the piece.
    const int firstCol = dx > 0 ? fp.w : dx < 0 ? -1 : 0;
    const int firstRow = dy > 0 ? fp.h : dy < 0 ? -1 : 0;
    const int count = dx != 0 ? fp.h : fp.w;
    for (int k = 0; k < count; ++k) {
        const int col = firstCol + (dx != 0 ? 0 : k);
        const int row = firstRow + (dx != 0 ? k : 0);
        const float x = static_cast<float>(piece.left + kCell * col);
        const float y = static_cast<float>(piece.top + kCell * row);
        if (CheckXY(board, index, x, y) != 0) return false;
    }
    return true;
}

// Names the piece of each step by replaying the positions `chain` on a copy
// of the real board: the step from one position to the next is the one
// piece step that turns the first into the second.
std::optional<std::vector<SolverStep>> replay(Board board, const std::vector<Position>& chain) {
    std::vector<SolverStep> path;
    path.reserve(chain.size());
    for (std::size_t k = 0; k + 1 < chain.size(); ++k) {
        bool found = false;
        for (int i = 1; i <= kPieceCount && !found; ++i) {
            Piece& piece = board.piece(i);
            const int code = codeOfPiece(i, footprintOf(i, piece));
            const int cell = cellOfPiece(piece);
            for (int d = 0; d < kDirections && !found; ++d) {
                if (stepped(chain[k], code, cell, d) != chain[k + 1]) continue;
                if (!allowedOnBoard(board, i, d)) continue;
                piece.left += kCell * kColumnStep[static_cast<size_t>(d)];
                piece.top += kCell * kRowStep[static_cast<size_t>(d)];
                path.push_back({i, kDirectionOf[static_cast<size_t>(d)]});
                found = true;
            }
        }
        if (!found) return std::nullopt;
    }
    return path;
}

}  // namespace

std::optional<Solution> solve(const Board& board, std::size_t* reachable) {
    if (reachable) *reachable = 0;
    const auto start = packBoard(board);
    if (!start) return std::nullopt;
    const Search search = explore(*start, true);
    if (reachable) *reachable = search.positions.size();
    if (!search.home) return std::nullopt;

    std::vector<Position> chain;
    for (std::uint32_t at = static_cast<std::uint32_t>(*search.home); at != kNoParent;
         at = search.parents[at])
        chain.push_back(search.positions[at]);
    std::vector<Position> forward(chain.rbegin(), chain.rend());
    auto path = replay(board, forward);
    if (!path) return std::nullopt;
    Solution solution;
    solution.steps = static_cast<int>(path->size());
    solution.path = std::move(*path);
    return solution;
}

std::size_t countReachable(const Board& board) {
    const auto start = packBoard(board);
    if (!start) return 0;
    return explore(*start, false).positions.size();
}

}  // namespace quellan
