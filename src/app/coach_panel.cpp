#include "app/coach_panel.h"

#include <QEvent>
#include <QLabel>

#include "app/game_button.h"
#include "app/game_look.h"
#include "app/game_panel_layout.h"
#include "app/hint_mark.h"
#include "coach/coach_rules.h"
#include "common/texts.h"
#include "platform/free_memory.h"
#include "platform/qt_text.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

namespace {

constexpr int kStepIntervalMs = 400;

}  // namespace

CoachPanel::CoachPanel(GameSession& session, QWidget* board, QWidget* window)
    : QObject(window), m_session(session), m_build([this](Figures f) { figuresReady(f); }) {
    setObjectName("coach");
    m_timer.setInterval(kStepIntervalMs);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CoachPanel::step);
    m_figuresStart.setSingleShot(true);
    m_figuresStart.setInterval(0);
    connect(&m_figuresStart, &QTimer::timeout, this, &CoachPanel::startFigures);
    connect(&m_session, &GameSession::changed, this, &CoachPanel::sessionChanged);
    m_session.setCoachStop([this] { return interrupt(); });
    buildControls(board, window);
}

void CoachPanel::buildControls(QWidget* board, QWidget* window) {
    auto* fewestCaption = new QLabel(QStringLiteral("最少步数："), board);
    fewestCaption->setObjectName("coachFewestCaption");
    fewestCaption->move(layout::pixels(layout::kFewestCaption).topLeft());
    m_fewestValue = new QLabel(QStringLiteral("…"), board);
    m_fewestValue->setObjectName("coachFewest");
    m_fewestValue->move(layout::pixels(layout::kFewestValue).topLeft());
    m_fewestValue->setToolTip(QStringLiteral("单格步数（括号里是整子移动的步数）"));
    look::setTextColor(m_fewestValue, QColor(0, 110, 0));

    m_stepsToGo = new QLabel(window);
    m_stepsToGo->setObjectName("coachStepsToGo");
    m_stepsToGo->move(layout::pixels(layout::kStepsToGo).topLeft());
    m_stepsToGo->hide();

    struct ButtonPlacement {
        XPButton** button;  // where the coach keeps it, if it does
        layout::TwipsRect at;
        const char* name;
        const char* caption;
        const char* tip;
        void (CoachPanel::*click)();
    };
    const ButtonPlacement buttons[] = {
        {nullptr, layout::kHintButton, "coachHint", "提示", "指出下一步该走哪枚棋子",
         &CoachPanel::hint},
        {&m_demoButton, layout::kDemoButton, "coachDemo", "演示",
         "从当前局面演示最少步数的走法；再按一下停止", &CoachPanel::toggleDemonstration},
        {&m_replayButton, layout::kReplayButton, "coachReplay", "回放", "回放最佳步数记录的走法",
         &CoachPanel::replay},
    };
    for (const ButtonPlacement& b : buttons) {
        XPButton* button = makeGameButton(board, b.name);
        button->setGeometry(layout::pixels(b.at));
        button->setCaption(QString::fromUtf8(b.caption));
        button->setToolTip(QString::fromUtf8(b.tip));
        // Off the Tab order. A press still gives the button the focus, and
        // Space or Return press a focused button: the focus goes on to the
        // board, as after a step, so that no key starts a demonstration or a
        // replay (a hint's piece has taken it already).
        button->setFocusPolicy(Qt::NoFocus);
        connect(
            button, &XPButton::GotFocus, this,
            [board, button] {
                if (button->hasFocus()) board->setFocus(Qt::OtherFocusReason);
            },
            Qt::QueuedConnection);
        connect(button, &XPButton::Click, this, b.click);
        if (b.button) *b.button = button;
    }
    m_hintMark = new HintMark(board);
}

void CoachPanel::stopOnPress(QWidget* piece) { piece->installEventFilter(this); }

void CoachPanel::replayOnPress(QWidget* holder) {
    m_recordHolder = holder;
    holder->installEventFilter(this);
}

// A press on a piece stops a demonstration or a replay and does nothing
// else; a press on the record holder's name replays the record.
bool CoachPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    if (watched == m_recordHolder) {
        // The press stays with the name; the board under it would stop the
        // replay at once.
        if (m_session.game().labels.holderTip.empty()) return false;
        replay();
        return true;
    }
    return interrupt();
}

void CoachPanel::sessionChanged(GameSession::Change change) {
    using Change = GameSession::Change;
    switch (change) {
        case Change::SetUp:
        case Change::TrialSetUp:
            layoutSetUp();
            return;
        case Change::Moved:
        case Change::Undone:
            afterStep();
            return;
        case Change::Selection:
            m_hintMark->hide();
            return;
        case Change::LayoutAdded:
        case Change::Replayed:
        case Change::Records:
            return;
    }
}

void CoachPanel::layoutSetUp() {
    stop();
    m_hintMark->hide();
    m_hintUsed = false;
    m_lastStepsToGo.reset();
    m_stepsToGo->hide();
    m_figures.reset();
    m_keepMap = false;
    m_figuresStart.stop();
    m_build.drop();  // the figures of the layout before are no longer waited for
    showFewestSteps();
    showRecordMarks();
    // The figures are worked out off the UI thread, started once the window
    // is back in its event loop: at start-up the window is shown first.
    if (!m_session.game().history.empty()) {
        m_setUpBoard = m_session.game().board;
        m_figuresStart.start();
    }
}

void CoachPanel::startFigures() {
    const Board setUp = m_setUpBoard;
    m_build.start(
        [setUp] { return Figures(std::make_shared<LayoutFigures>(layoutFiguresOf(setUp))); });
}

void CoachPanel::figuresReady(Figures figures) {
    if (m_keepMap) {
        m_figures = std::move(figures);
    } else {
        m_figures = std::make_shared<const LayoutFigures>(LayoutFigures{{}, figures->figures});
        figures.reset();
        platform::returnFreedMemory();
    }
    showFewestSteps();
    showRecordMarks();
    showStepsToGo();
}

const LayoutFigures* CoachPanel::figures() {
    // Figures kept without their map have it built again.
    const bool mapDropped = m_figures && !m_keepMap;
    m_keepMap = true;
    if (mapDropped || m_figuresStart.isActive()) {
        m_figuresStart.stop();
        startFigures();
    }
    m_build.finish();
    return m_figures.get();
}

void CoachPanel::showFewestSteps() {
    m_fewestValue->setText(m_figures
                               ? toQString(fewestStepsText(m_figures->figures.fewestSteps,
                                                           m_figures->figures.fewestPieceMoves))
                               : QStringLiteral("…"));
    m_fewestValue->adjustSize();
}

void CoachPanel::showStepsToGo() {
    if (!m_hintUsed || !m_figures) return;
    const std::optional<int> now = m_figures->map.stepsToSolve(m_session.game().board);
    const StepsToGo line = stepsToGo(m_lastStepsToGo, now);
    m_lastStepsToGo = now;
    m_stepsToGo->setText(QStringLiteral("距终局：") + toQString(line.text));
    // On the frame's dark-red bar a full red hardly reads; this light red
    // keeps a contrast of 4.5 : 1 to every pixel of the bar under it.
    look::setTextColor(m_stepsToGo, line.raised ? QColor(255, 180, 180) : QColor(255, 255, 255));
    m_stepsToGo->adjustSize();
    m_stepsToGo->show();
}

// The chooser's marks and tooltip follow the records and the fewest steps;
// the replay button follows the current layout's record.
void CoachPanel::showRecordMarks() {
    m_session.showRecords(m_fewestValue->text().toStdString());
    const GameState& game = m_session.game();
    // An arrangement on trial has no record of its own.
    m_replayButton->setEnabled(!game.trial && m_session.hasRecord(game.currentMap));
}

void CoachPanel::afterStep() {
    m_hintMark->hide();
    showStepsToGo();
    // A win may have written a record.
    if (isSolved(m_session.game().board)) showRecordMarks();
}

std::optional<Hint> CoachPanel::helpFromHere() {
    const LayoutFigures* known = figures();
    if (!known) return std::nullopt;
    const Hint h = hintFor(known->map, m_session.game().board);
    if (h.kind != HintKind::Step) {
        m_session.host().showMessage(
            h.kind == HintKind::Solved ? texts::kHintSolved : texts::kHintNoWay,
            MessageIcon::Information, texts::kAppTitle);
        return std::nullopt;
    }
    // The game is helped from now on; the steps to go follow it.
    m_session.markAssisted();
    m_hintUsed = true;
    showStepsToGo();
    return h;
}

void CoachPanel::hint() {
    interrupt();
    const std::optional<Hint> found = helpFromHere();
    if (!found) return;
    const Hint& h = *found;
    // The piece is selected exactly as a press on it would select it.
    emit pieceChosen(h.step.piece);
    m_hintMark->setGeometry(layout::pixels({h.targetCell.left, h.targetCell.top, kCell, kCell}));
    m_hintMark->show();
    m_hintMark->raise();
}

}  // namespace quellan
