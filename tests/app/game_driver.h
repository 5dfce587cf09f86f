#pragma once
// Plays the game the way a player does: press a piece, then press the empty
// cell beside it.
#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

#include "app/board_panel.h"
#include "app/frm_main.h"
#include "support/reference_solver.h"
#include "support/steps.h"
#include "tests/app/frm_main_probe.h"
#include "tests/app/window_parts.h"
#include "xpbutton/xpbutton.h"

namespace quellan::testing {

inline QPoint boardPixel(float tx, float ty) {
    return {static_cast<int>(tx) / kTwipsPerPixel, static_cast<int>(ty) / kTwipsPerPixel};
}

inline void pressPiece(frmMain& w, int index) { QTest::mouseClick(QZ(w, index), Qt::LeftButton); }

inline void pressBoard(frmMain& w, float tx, float ty, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(Picture1(w), button, {}, boardPixel(tx, ty));
}

inline void playStep(frmMain& w, const BoardStep& s) {
    pressPiece(w, s.piece);
    auto [x, y] = pressTwipsFor(inside(w).game().board, s);
    pressBoard(w, x, y);
}

// Opens the chooser's list and clicks entry `row`, as the player does.
inline void pickFromList(frmMain& w, int row) {
    QComboBox* chooser = Combo1(w);
    chooser->showPopup();
    QAbstractItemView* list = chooser->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QRect entry = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    ASSERT_FALSE(list->isVisible());
}

}  // namespace quellan::testing
