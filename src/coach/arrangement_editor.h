#pragma once
// The arrangement a player builds in the workshop, piece by piece on an
// empty 4 x 5 board: every piece stands inside the board and on free
// cells, and there are never more of a kind than the standard set holds
// (one commander, five generals upright or lying, four soldiers). Cells
// are numbered 0..19, row by row.
#include <optional>
#include <string>
#include <string_view>

#include "coach/arrangement.h"
#include "setup/board.h"

namespace quellan {

enum class EditResult {
    Done,
    OffBoard,    // the piece would reach past the board's edge
    Overlap,     // it would cover a cell another piece covers
    NoneLeft,    // every piece of that kind stands on the board already
    NoPiece,     // nothing stands on the cell
    NotGeneral,  // only a general turns
};

class ArrangementEditor {
  public:
    // An empty board.
    ArrangementEditor() = default;
    // The pieces of `board` that stand on the grid, in index order; a piece
    // that would overlap one before it or leave the board is left out.
    explicit ArrangementEditor(const Board& board);

    // Places a piece of `kind` with its top-left cell on `cell`.
    EditResult place(PieceKind kind, int cell);
    // Takes the piece covering `cell` off the board.
    EditResult remove(int cell);
    // Turns the general covering `cell` upright or lying about its top-left
    // cell.
    EditResult turn(int cell);
    void clear() { m_corners = {}; }

    // What has its top-left corner on each cell.
    const Corners& corners() const { return m_corners; }
    // The top-left cell of the piece covering `cell`, or -1 for a free cell.
    int cornerCovering(int cell) const;
    // How many pieces of `kind`'s sort may still be placed (upright and
    // lying generals share the five).
    int piecesLeft(PieceKind kind) const;
    // The arrangement as a board dressed like a layout file's, once all ten
    // pieces stand; nullopt before.
    std::optional<Board> board() const { return boardFromCorners(m_corners); }

  private:
    bool fits(PieceKind kind, int cell, int ignoredCorner) const;

    Corners m_corners{};
};

// Why the arrangement is not yet a proper one: "还差：曹操 1、大将 2、兵 1";
// empty once every piece stands.
std::string missingPiecesText(const ArrangementEditor& editor);

// What the player is told when a press is refused; empty for Done.
std::string_view editResultText(EditResult result);

}  // namespace quellan
