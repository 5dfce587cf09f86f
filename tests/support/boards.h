#pragma once
// Boards for tests, built from layout lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/layout_file.h"

namespace quellan::testing {

inline Board boardFrom(const std::vector<std::string>& lines) {
    Board b;
    EXPECT_TRUE(applyLayoutLines(b, lines));
    return b;
}

// Puts every piece far off the board, so that a test can place only the
// pieces it needs.
inline Board emptyBoard() {
    Board b;
    for (int i = 1; i <= kPieceCount; ++i) {
        b.piece(i).left = 9000 + 1800 * i;
        b.piece(i).top = 9000;
    }
    return b;
}

// A visible piece at (left, top) with the given size.
inline Piece sized(int left, int top, int width, int height) {
    Piece p;
    p.left = left;
    p.top = top;
    p.width = width;
    p.height = height;
    return p;
}

inline void place(Board& b, int index, int cell) {
    auto p = cellPosition(cell);
    b.piece(index).left = p->left;
    b.piece(index).top = p->top;
}

}  // namespace quellan::testing
