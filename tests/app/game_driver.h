#pragma once
// Plays the game the way a player does: press a piece, then press the empty
// cell beside it.
#include <QTest>

#include "app/board_panel.h"
#include "app/frm_main.h"
#include "play/solver.h"
#include "xpbutton/xpbutton.h"

namespace quellan::testing {

inline QPoint boardPixel(float tx, float ty) {
    return {static_cast<int>(tx) / kTwipsPerPixel, static_cast<int>(ty) / kTwipsPerPixel};
}

inline void pressPiece(frmMain& w, int index) { QTest::mouseClick(w.QZ(index), Qt::LeftButton); }

inline void pressBoard(frmMain& w, float tx, float ty, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w.Picture1(), button, {}, boardPixel(tx, ty));
}

// The middle of the cell a piece enters when it steps in `d`.
inline std::pair<float, float> cellBeside(const Piece& p, Direction d) {
    const float l = p.left, t = p.top, w = p.width, h = p.height;
    switch (d) {
        case Direction::Up: return {l + 450, t - 450};
        case Direction::Down: return {l + 450, t + h + 450};
        case Direction::Left: return {l - 450, t + 450};
        case Direction::Right: return {l + w + 450, t + 450};
    }
    return {0, 0};
}

inline void playStep(frmMain& w, const SolverStep& s) {
    pressPiece(w, s.piece);
    auto [x, y] = cellBeside(w.game().board.piece(s.piece), s.direction);
    pressBoard(w, x, y);
}

}  // namespace quellan::testing
