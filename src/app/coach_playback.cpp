// The coach's two playbacks: the demonstration, which plays a fewest-steps
// solution through the session's presses, as a player makes them, and the replay of the record,
// which only shows the record's positions and then sets the layout up again.
#include <QApplication>

#include "app/coach_panel.h"
#include "app/hint_mark.h"
#include "coach/coach_rules.h"
#include "coach/record_replay.h"
#include "common/texts.h"
#include "setup/record_file.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

void CoachPanel::toggleDemonstration() {
    if (interrupt() || !helpFromHere()) return;
    m_mode = Mode::Demonstration;
    m_demoButton->setCaption(QStringLiteral("停止"));
    demonstrationStep();
}

// One step of the demonstration, as a player makes it: the piece is
// pressed (it takes the focus and is selected), then the cell beside it.
void CoachPanel::demonstrationStep() {
    const LayoutFigures* known = figures();
    const Board& board = m_session.game().board;
    const Hint h = known ? hintFor(known->map, board) : Hint{};
    if (h.kind != HintKind::Step) {
        stop();
        return;
    }
    const bool last = known->map.stepsToSolve(board) == 1;
    if (last) stop();  // the win sequence runs inside this step
    emit pieceChosen(h.step.piece);
    const Piece& piece = board.piece(h.step.piece);
    const Point press =
        pressPointOf({piece.left, piece.top}, footprintOf(h.step.piece, piece), h.step.direction);
    m_session.press(static_cast<float>(press.left), static_cast<float>(press.top));
    if (m_mode == Mode::Demonstration) m_timer.start();
}

void CoachPanel::replay() {
    const GameState& game = m_session.game();
    if (interrupt() || game.trial) return;
    const auto record = readRecordFile(m_session.paths().recordFile(game.currentMap));
    if (!record) {
        // The file went while the game ran (the button follows the file
        // only when a layout is set up or won): say so, and show the
        // chooser's tick and the button as the folder now is.
        showRecordMarks();
        m_session.host().showMessage(texts::kReplayNoRecord, MessageIcon::Information,
                                     texts::kAppTitle);
        return;
    }
    if (game.history.empty()) return;
    Board setUp = game.board;
    // The history holds only entries the board wrote itself: they always apply.
    static_cast<void>(setUp.applyPositionEntry(game.history.entry(0)));
    auto boards = replayBoards(record->positions, setUp);
    if (!boards) {
        m_session.host().showMessage(texts::kReplayRefused, MessageIcon::Information,
                                     texts::kAppTitle);
        return;
    }
    m_hintMark->hide();
    m_replayBoards = std::move(*boards);
    m_replayAt = 0;
    m_mode = Mode::Replay;
    m_replayButton->setCaption(QStringLiteral("停止"));
    replayStep();
}

// Shows the next position of the record with its step number; after the
// last one the layout is set up again, as a choice in the chooser does.
void CoachPanel::replayStep() {
    if (m_replayAt >= m_replayBoards.size()) {
        stop();
        m_session.setUpChosenLayout();
        return;
    }
    m_session.showReplayed(m_replayBoards[m_replayAt], static_cast<int>(m_replayAt));
    ++m_replayAt;
    m_timer.start();
}

void CoachPanel::step() {
    // A modal box (the close question, a message) holds the playback where
    // it stands: the board does not change under the box, and a win cannot
    // congratulate on top of it. Answered, the box lets the playback go on.
    if (QApplication::activeModalWidget()) {
        m_timer.start();
        return;
    }
    if (m_mode == Mode::Demonstration) demonstrationStep();
    if (m_mode == Mode::Replay) replayStep();
}

bool CoachPanel::interrupt() {
    const Mode was = m_mode;
    stop();
    // A replay showed positions that are not the game's: set the layout up.
    if (was == Mode::Replay) m_session.setUpChosenLayout();
    return was != Mode::Idle;
}

void CoachPanel::stop() {
    m_timer.stop();
    m_mode = Mode::Idle;
    m_demoButton->setCaption(QStringLiteral("演示"));
    m_replayButton->setCaption(QStringLiteral("回放"));
}

}  // namespace quellan
