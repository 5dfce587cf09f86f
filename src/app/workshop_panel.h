#pragma once
// The layout workshop on the main window: the 布阵 button in the frame's
// bottom bar opens the arrange dialog; a saved arrangement becomes a new
// layout file at the end of the session's list and is set up, a tried one
// is set up on the board without a file. A player who never presses the
// button plays exactly as before.
#include <QObject>
#include <optional>

#include "setup/board.h"

namespace quellan {

class ArrangeDialog;
class GameSession;
class PictureStore;

class WorkshopPanel : public QObject {
    Q_OBJECT

  public:
    // The button stands on `window`; the game panel `board` takes the focus
    // back when the dialog closes.
    WorkshopPanel(GameSession& session, const PictureStore& pictures, QWidget* board,
                  QWidget* window);

    // Opens the arrange dialog (window-modal; it returns at once).
    void open();

  private:
    // Asks a name until it is a good one or the player cancels, writes
    // map/NAME.qlp and sets the new layout up; false when nothing was saved.
    bool save(ArrangeDialog* dialog, const Board& arrangement, std::optional<int> fewestSteps);

    GameSession& m_session;
    const PictureStore& m_pictures;
    QWidget* m_board;
    QWidget* m_window;
};

}  // namespace quellan
