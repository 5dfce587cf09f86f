#pragma once
// The board and its ten pieces. All positions and sizes are whole twips
// (15 twips per pixel): every position the game produces is 450 + 900 * k,
// so keeping integers makes every equality of the occupancy test exact.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/units_and_codes.h"

namespace quellan {

inline constexpr int kCell = 900;       // one cell is 900 x 900 twips
inline constexpr int kBoardLeft = 450;  // the top-left cell's corner
inline constexpr int kBoardTop = 450;
inline constexpr int kColumns = 4;
inline constexpr int kRows = 5;
inline constexpr int kCellCount = kColumns * kRows;
inline constexpr int kLastColumnLeft = kBoardLeft + kCell * (kColumns - 1);  // 3150
inline constexpr int kLastRowTop = kBoardTop + kCell * (kRows - 1);          // 4050
inline constexpr int kBoardRight = kBoardLeft + kCell * kColumns;            // 4050
inline constexpr int kBoardBottom = kBoardTop + kCell * kRows;               // 4950
inline constexpr int kPieceCount = 10;
inline constexpr int kCommander = 1;
inline constexpr int kFirstGeneral = 2;
inline constexpr int kLastGeneral = 6;
inline constexpr int kFirstSoldier = 7;
// The commander is home in front of the exit: columns 2 and 3 of rows 4 and 5.
inline constexpr int kHomeLeft = 1350;
inline constexpr int kHomeTop = 3150;

enum class PieceKind { Commander, General, Soldier };

// Kind of piece `index` (1..10); the kind never changes.
PieceKind kindOf(int index);
inline bool isPieceIndex(int index) { return index >= 1 && index <= kPieceCount; }

struct Point {
    int left = 0;
    int top = 0;
    bool operator==(const Point&) const = default;
};

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

struct Piece {
    int left = 0;
    int top = 0;
    int width = kCell;
    int height = kCell;
    bool visible = true;
    PictureRef picture;
    bool operator==(const Piece&) const = default;
};

// Footprint in cells. A general's orientation is read from its size; a
// general with equal sides has no footprint (w = h = 0) and cannot move.
struct Footprint {
    int w = 0;
    int h = 0;
};
Footprint footprintOf(int index, const Piece& piece);

// Upright 900 x 1800 and lying 1800 x 900 general sizes.
inline constexpr int kGeneralLong = 2 * kCell;

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
