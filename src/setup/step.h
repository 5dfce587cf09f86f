#pragma once
// One step of a piece: it slides one cell up, down, left or right. This is
// the one place that says which cells a step enters and where the piece ends
// up; the move engine and the coach's searches both ask it, so it stands
// here beside the board, below them both.
#include <array>

#include "setup/board.h"

namespace quellan {

enum class Direction { Up, Down, Left, Right };

// The four directions in the order the move engine tests its strips.
inline constexpr std::array<Direction, 4> kDirections = {Direction::Up, Direction::Down,
                                                         Direction::Left, Direction::Right};

// One step on a board: piece `piece` (1..10) moves one cell (900 twips) in
// `direction`.
struct BoardStep {
    int piece = 0;
    Direction direction = Direction::Up;
    bool operator==(const BoardStep&) const = default;
};

// How many columns and rows one step in `d` moves a piece.
struct CellOffset {
    int columns = 0;
    int rows = 0;
};

constexpr CellOffset offsetOf(Direction d) {
    switch (d) {
        case Direction::Up:
            return {0, -1};
        case Direction::Down:
            return {0, 1};
        case Direction::Left:
            return {-1, 0};
        case Direction::Right:
            return {1, 0};
    }
    return {};
}

// A piece's step: its new top-left corner and the cells it newly covers
// (the top-left corners of one or two cells, in the order the move engine
// tests them), all in twips.
struct PieceStep {
    Point to;
    std::array<Point, 2> entered{};
    int enteredCount = 0;
};

// The step of a piece with its top-left corner at `at` and footprint `fp`
// (in cells) one cell in `d`. Whether the entered cells are free is the
// occupancy test's question, not this one's.
constexpr PieceStep stepOf(Point at, Footprint fp, Direction d) {
    const CellOffset off = offsetOf(d);
    PieceStep step;
    step.to = {at.left + kCell * off.columns, at.top + kCell * off.rows};
    // The entered cells form the row or column just beyond the piece.
    const bool vertical = off.columns == 0;
    const int count = vertical ? fp.w : fp.h;
    const int firstLeft = off.columns > 0 ? at.left + kCell * fp.w : step.to.left;
    const int firstTop = off.rows > 0 ? at.top + kCell * fp.h : step.to.top;
    for (int k = 0; k < count && k < 2; ++k) {
        step.entered[static_cast<std::size_t>(k)] = {firstLeft + (vertical ? kCell * k : 0),
                                                     firstTop + (vertical ? 0 : kCell * k)};
        ++step.enteredCount;
    }
    return step;
}

// A point a press at which asks the move engine for this step: the middle
// of the first cell it enters, which lies inside the strip beside the piece.
constexpr Point pressPointOf(Point at, Footprint fp, Direction d) {
    const Point cell = stepOf(at, fp, d).entered[0];
    return {cell.left + kCell / 2, cell.top + kCell / 2};
}

}  // namespace quellan
