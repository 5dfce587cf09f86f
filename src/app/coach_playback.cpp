// The coach's two playbacks: the demonstration, which plays a fewest-steps
// solution through the window's own presses, and the replay of the record,
// which only shows the record's positions and then sets the layout up again.
#include <QApplication>
#include <QLabel>

#include "app/coach_panel.h"
#include "app/frm_main.h"
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
    const Hint h = known ? hintFor(known->map, m_state.board) : Hint{};
    if (h.kind != HintKind::Step) {
        stop();
        return;
    }
    const bool last = known->map.stepsToSolve(m_state.board) == 1;
    if (last) stop();  // the win sequence runs inside this step
    selectPiece(h.step.piece);
    const Piece& piece = m_state.board.piece(h.step.piece);
    const Point press =
        pressPointOf({piece.left, piece.top}, footprintOf(h.step.piece, piece), h.step.direction);
    m_window.makeMove(static_cast<float>(press.left), static_cast<float>(press.top));
    if (m_mode == Mode::Demonstration) m_timer.start();
}

void CoachPanel::replay() {
    if (interrupt() || m_state.trial) return;
    const auto record = readRecordFile(m_window.paths().recordFile(m_state.currentMap));
    if (!record) {
        // The file went while the game ran (the button follows the file
        // only when a layout is set up or won): say so, and show the
        // chooser's tick and the button as the folder now is.
        showRecordMarks();
        m_window.showMessage(texts::kReplayNoRecord, MessageIcon::Information, texts::kAppTitle);
        return;
    }
    if (m_state.history.empty()) return;
    Board setUp = m_state.board;
    // The history holds only entries the board wrote itself: they always apply.
    static_cast<void>(setUp.applyPositionEntry(m_state.history.entry(0)));
    auto boards = replayBoards(record->positions, setUp);
    if (!boards) {
        m_window.showMessage(texts::kReplayRefused, MessageIcon::Information, texts::kAppTitle);
        return;
    }
    hideHintMark();
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
        m_window.Combo1_Click();
        return;
    }
    m_window.showBoard(m_replayBoards[m_replayAt]);
    if (auto* steps = m_window.findChild<QLabel*>("Label7")) {
        steps->setText(QString::number(m_replayAt));
        steps->adjustSize();
    }
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
    if (was == Mode::Replay) m_window.Combo1_Click();
    return was != Mode::Idle;
}

void CoachPanel::stop() {
    m_timer.stop();
    m_mode = Mode::Idle;
    m_demoButton->setCaption(QStringLiteral("演示"));
    m_replayButton->setCaption(QStringLiteral("回放"));
}

}  // namespace quellan
