#pragma once
// The pictures of the game, built into the program: the board, the piece
// tiles (Image1..Image7), the board's hand cursor (Image99), the undo icon.
#include <QCursor>
#include <QImage>
#include <QPixmap>

#include "app/board_picture.h"
#include "setup/board.h"

namespace quellan {

class PictureStore {
  public:
    // Takes the pictures decoded by `decodeInBackground`, waiting for them if
    // need be; without it decodes them itself.
    PictureStore();
    // Starts decoding the pictures on a thread of their own, once the
    // application object exists, so the window does not wait for them; the
    // next store made takes them.
    static void decodeInBackground();

    // The board, with three bytes a pixel (a pixmap has four), packed once
    // the window is up (board_picture.h): the game panel paints it as it
    // is; what stretches parts of it makes a pixmap of its own.
    const BoardPicture& board() const { return m_board; }
    BoardPicture& board() { return m_board; }
    // The picture a piece shows for `ref`; a null pixmap for "no picture".
    QPixmap piece(PictureRef ref) const;
    const QPixmap& handCursorPicture() const { return m_hand; }
    QPoint handHotSpot() const { return {8, 0}; }
    QCursor handCursor() const { return QCursor(m_hand, handHotSpot().x(), handHotSpot().y()); }
    const QPixmap& undoIcon() const { return m_undo; }
    const QPixmap& windowIcon() const { return m_icon; }

  private:
    double m_ratio;  // of the display the pictures are decoded for
    BoardPicture m_board;
    QPixmap m_commander, m_soldier, m_hand, m_undo, m_icon;
    // Generals 2..6, each decoded the first time a piece shows it: a layout
    // shows each general one way only, so most games never need the other.
    mutable QPixmap m_upright[5], m_lying[5];
};

}  // namespace quellan
