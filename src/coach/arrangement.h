#pragma once
// A layout file read on its own, outside a game, for the solver command and
// the layout workshop: the file is read exactly as the loader reads it, but
// onto a board whose pieces first stand nowhere, so that every piece must be
// placed by the file.
#include <array>
#include <filesystem>
#include <optional>

#include "setup/board.h"

namespace quellan {

enum class ArrangementFault {
    None,
    Unreadable,  // the file cannot be opened, or a line is not a layout line
    Improper,    // not ten pieces inside the board without overlap
};

struct ArrangementRead {
    ArrangementFault fault = ArrangementFault::None;
    Board board;
};

// What stands with its top-left corner on each cell.
using Corners = std::array<PieceKind, kCellCount>;

// The piece index each corner's piece gets (0 for a cell without a corner):
// the commander 1, the lying generals from 2 on in cell order and then the
// upright ones, so that 关羽 lies across as in the classic layouts (横刀立马
// comes out exactly as shipped), and the soldiers 7..10 in cell order.
// Indices past a kind's last one are -1.
std::array<int, kCellCount> pieceNumbers(const Corners& corners);

// The board of the pieces whose corners `corners` gives, numbered by
// pieceNumbers and dressed as a layout file would dress them. nullopt
// unless that is a proper arrangement of the ten pieces.
std::optional<Board> boardFromCorners(const Corners& corners);

// True when all ten pieces stand on cells inside the board, none overlaps
// another and every general is upright or lying.
bool isProperArrangement(const Board& board);

// Reads a layout file (GB18030, the loader's cleaning rules).
ArrangementRead readArrangement(const std::filesystem::path& path);

}  // namespace quellan
