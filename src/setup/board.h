#pragma once
// The board and its ten pieces. All positions and sizes are whole twips
// (15 twips per pixel): every position the game produces is 450 + 900 * k,
// so keeping integers makes every equality of the occupancy test exact.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/units_and_codes.h"
#include "setup/piece_kind.h"

namespace quellan {

inline constexpr int kCell = 900;       // one cell is 900 x 900 twips
inline constexpr int kBoardLeft = 450;  // the top-left cell's corner
inline constexpr int kBoardTop = 450;
inline constexpr int kLastColumnLeft = kBoardLeft + kCell * (kColumns - 1);  // 3150
inline constexpr int kLastRowTop = kBoardTop + kCell * (kRows - 1);          // 4050
inline constexpr int kBoardRight = kBoardLeft + kCell * kColumns;            // 4050
inline constexpr int kBoardBottom = kBoardTop + kCell * kRows;               // 4950
// The commander is home in front of the exit: columns 2 and 3 of rows 4 and 5.
inline constexpr int kHomeLeft = 1350;
inline constexpr int kHomeTop = 3150;

struct Point {
    int left = 0;
    int top = 0;
    bool operator==(const Point&) const = default;
};

// The top-left corner of cell 0..19.
constexpr Point cellCorner(int cell) {
    return {kBoardLeft + kCell * columnOf(cell), kBoardTop + kCell * rowOf(cell)};
}

// The cell (0..19) whose top-left corner is `p`, or -1 when `p` is no
// cell's corner. Far-off points do not overflow on the way.
constexpr int cellOf(Point p) {
    const long long dx = static_cast<long long>(p.left) - kBoardLeft;
    const long long dy = static_cast<long long>(p.top) - kBoardTop;
    if (dx < 0 || dy < 0 || dx % kCell != 0 || dy % kCell != 0) return -1;
    if (dx / kCell >= kColumns || dy / kCell >= kRows) return -1;
    return cellIndex(static_cast<int>(dx / kCell), static_cast<int>(dy / kCell));
}

// Top-left corner of cell n (1..20, row by row); nullopt for other numbers.
std::optional<Point> cellPosition(int n);

// Which stored picture a piece shows: `image` 1..7 names the picture control
// (1 commander, 2..6 the generals, 7 the soldiers), `element` 1 or 2 picks a
// general's upright or lying picture (0 for the single pictures).
struct PictureRef {
    int image = 0;
    int element = 0;
    bool operator==(const PictureRef&) const = default;
};
inline constexpr int kCommanderImage = 1;
inline constexpr int kSoldierImage = 7;
inline constexpr int kUprightElement = 1;
inline constexpr int kLyingElement = 2;

// The picture piece `index` of `kind` shows: the commander's, the
// general's own upright or lying picture, or the soldiers' shared one.
PictureRef pictureOf(int index, PieceKind kind);

struct Piece {
    int left = 0;
    int top = 0;
    int width = kCell;
    int height = kCell;
    bool visible = true;
    PictureRef picture;
    bool operator==(const Piece&) const = default;
};

// The kind of piece `index`: the commander, a soldier, or a general upright
// or lying as its size says. A general with equal sides is of no kind
// (None) and has no footprint, so it cannot move; so is an index past 10.
PieceKind kindOf(int index, const Piece& piece);

// Footprint in cells of piece `index` as it stands.
inline Footprint footprintOf(int index, const Piece& piece) {
    return footprintOf(kindOf(index, piece));
}

class Board {
  public:
    // The design arrangement "横刀立马" with the start-up sizes and no pictures.
    Board();

    Piece& piece(int index) { return m_pieces.at(static_cast<size_t>(index - 1)); }
    const Piece& piece(int index) const { return m_pieces.at(static_cast<size_t>(index - 1)); }

    void setAllVisible(bool visible);

    // The position entry: Left/15 and Top/15 of pieces 1..10 joined by ",".
    std::string positionEntry() const;

    // Places every piece at the positions of `entry` (values times 15).
    // Returns false, changing nothing, unless the entry holds twenty numbers.
    [[nodiscard]] bool applyPositionEntry(std::string_view entry);

    bool operator==(const Board&) const = default;

  private:
    std::array<Piece, kPieceCount> m_pieces;
};

// True when the commander stands at home, in front of the exit.
bool isSolved(const Board& board);

}  // namespace quellan
