#include "app/coach_panel.h"

#include <QEvent>
#include <QLabel>
#include <QtConcurrent/QtConcurrentRun>

#include "app/board_panel.h"
#include "app/frm_main.h"
#include "app/game_look.h"
#include "app/game_panel_layout.h"
#include "app/hint_mark.h"
#include "app/layout_chooser.h"
#include "coach/coach_rules.h"
#include "coach/piece_moves.h"
#include "common/text_file.h"
#include "common/texts.h"
#include "platform/free_memory.h"
#include "platform/qt_text.h"
#include "setup/record_file.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

namespace {

// The free rows of the right column: between Label3 and Label4, and between
// the undo button and Check2; the steps to go sit in the bottom bar.
constexpr layout::TwipsRect kFewestCaption{4320, 1950, 900, 180};
constexpr layout::TwipsRect kFewestValue{5220, 1950, 900, 180};
constexpr layout::TwipsRect kHintButton{4380, 3195, 720, 360};
constexpr layout::TwipsRect kDemoButton{5160, 3195, 720, 360};
constexpr layout::TwipsRect kReplayButton{5940, 3195, 720, 360};
constexpr layout::TwipsRect kStepsToGo{300, 5880, 2400, 180};
constexpr int kStepIntervalMs = 400;

}  // namespace

CoachPanel::CoachPanel(frmMain& window, GameState& state)
    : QObject(&window), m_window(window), m_state(state) {
    setObjectName("coach");
    m_timer.setInterval(kStepIntervalMs);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CoachPanel::step);
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &CoachPanel::figuresReady);
    m_figuresStart.setSingleShot(true);
    m_figuresStart.setInterval(0);
    connect(&m_figuresStart, &QTimer::timeout, this, &CoachPanel::startFigures);
    buildControls();
}

CoachPanel::~CoachPanel() { m_watcher.waitForFinished(); }

void CoachPanel::buildControls() {
    QWidget* board = m_window.findChild<BoardPanel*>("Picture1");
    m_fewestCaption = new QLabel(QStringLiteral("最少步数："), board);
    m_fewestCaption->setObjectName("coachFewestCaption");
    m_fewestCaption->move(layout::pixels(kFewestCaption).topLeft());
    m_fewestValue = new QLabel(QStringLiteral("…"), board);
    m_fewestValue->setObjectName("coachFewest");
    m_fewestValue->move(layout::pixels(kFewestValue).topLeft());
    m_fewestValue->setToolTip(QStringLiteral("单格步数（括号里是整子移动的步数）"));
    look::setTextColor(m_fewestValue, QColor(0, 110, 0));

    m_stepsToGo = new QLabel(&m_window);
    m_stepsToGo->setObjectName("coachStepsToGo");
    m_stepsToGo->move(layout::pixels(kStepsToGo).topLeft());
    m_stepsToGo->hide();

    struct ButtonPlacement {
        XPButton** button;
        layout::TwipsRect at;
        const char* name;
        const char* caption;
        const char* tip;
        void (CoachPanel::*click)();
    };
    const ButtonPlacement buttons[] = {
        {&m_hintButton, kHintButton, "coachHint", "提示", "指出下一步该走哪枚棋子",
         &CoachPanel::hint},
        {&m_demoButton, kDemoButton, "coachDemo", "演示",
         "从当前局面演示最少步数的走法；再按一下停止", &CoachPanel::toggleDemonstration},
        {&m_replayButton, kReplayButton, "coachReplay", "回放", "回放最佳步数记录的走法",
         &CoachPanel::replay},
    };
    for (const ButtonPlacement& b : buttons) {
        auto* button = new XPButton(board);
        button->setObjectName(b.name);
        button->setGeometry(layout::pixels(b.at));
        button->setButtonStyle(2);
        button->setBackColor(look::kButtonFace);
        button->setCaptionAlign(2);
        button->setCaption(QString::fromUtf8(b.caption));
        button->setToolTip(QString::fromUtf8(b.tip));
        // Off the Tab order. A press still gives the button the focus, and
        // Space or Return press a focused button: the focus goes on to the
        // board, as after a step, so that no key starts a demonstration or a
        // replay (a hint's piece has taken it already).
        button->setFocusPolicy(Qt::NoFocus);
        connect(
            button, &XPButton::GotFocus, this,
            [this, button] {
                if (button->hasFocus())
                    m_window.findChild<BoardPanel*>("Picture1")->setFocus(Qt::OtherFocusReason);
            },
            Qt::QueuedConnection);
        connect(button, &XPButton::Click, this, b.click);
        *b.button = button;
    }

    m_hintMark = new HintMark(board);
    for (int i = 1; i <= kPieceCount; ++i)
        if (auto* piece = m_window.findChild<XPButton*>(QStringLiteral("QZ%1").arg(i)))
            piece->installEventFilter(this);
    if (auto* holder = m_window.findChild<QLabel*>("Label6")) holder->installEventFilter(this);
}

// A press on a piece stops a demonstration or a replay and does nothing
// else; a press on the record holder's name replays the record.
bool CoachPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    if (watched->objectName() == "Label6") {
        // The press stays with the name; the board under it would stop the
        // replay at once.
        if (m_state.labels.holderTip.empty()) return false;
        replay();
        return true;
    }
    return interrupt();
}

void CoachPanel::layoutSetUp() {
    stop();
    hideHintMark();
    m_hintUsed = false;
    m_lastStepsToGo.reset();
    m_stepsToGo->hide();
    m_figures.reset();
    m_figuresPending = false;
    m_figuresStart.stop();
    // A build for the layout before is no longer waited for.
    m_watcher.setFuture(QFuture<std::shared_ptr<const LayoutFigures>>());
    showFewestSteps();
    showRecordMarks();
    // The figures are worked out off the UI thread, started once the window
    // is back in its event loop: at start-up the window is shown first.
    if (!m_state.history.empty()) {
        m_setUpBoard = m_state.board;
        m_figuresPending = true;
        m_figuresStart.start();
    }
}

void CoachPanel::startFigures() {
    const Board setUp = m_setUpBoard;
    m_watcher.setFuture(QtConcurrent::run([setUp] {
        auto figures = std::make_shared<LayoutFigures>();
        figures->map = DistanceMap(setUp);
        figures->fewestSteps = figures->map.stepsToSolve(setUp);
        figures->fewestPieceMoves = fewestPieceMoves(setUp);
        // Built once a layout, so the thread keeps no working memory for
        // the next one.
        releaseBuildMemory();
        platform::returnFreedMemory();
        return std::shared_ptr<const LayoutFigures>(std::move(figures));
    }));
}

void CoachPanel::figuresReady() {
    if (!m_figuresPending || m_watcher.future().resultCount() == 0) return;
    m_figuresPending = false;
    m_figures = m_watcher.result();
    showFewestSteps();
    showRecordMarks();
    showStepsToGo();
}

const LayoutFigures* CoachPanel::figures() {
    if (!m_figures && m_figuresPending) {
        if (m_figuresStart.isActive()) {
            m_figuresStart.stop();
            startFigures();
        }
        m_watcher.waitForFinished();
        figuresReady();
    }
    return m_figures.get();
}

void CoachPanel::showFewestSteps() {
    m_fewestValue->setText(
        m_figures ? toQString(fewestStepsText(m_figures->fewestSteps, m_figures->fewestPieceMoves))
                  : QStringLiteral("…"));
    m_fewestValue->adjustSize();
}

void CoachPanel::showStepsToGo() {
    if (!m_hintUsed || !m_figures) return;
    const std::optional<int> now = m_figures->map.stepsToSolve(m_state.board);
    const StepsToGo line = stepsToGo(m_lastStepsToGo, now);
    m_lastStepsToGo = now;
    m_stepsToGo->setText(QStringLiteral("距终局：") + toQString(line.text));
    // On the frame's dark-red bar a full red hardly reads; this light red
    // keeps a contrast of 4.5 : 1 to every pixel of the bar under it.
    look::setTextColor(m_stepsToGo, line.raised ? QColor(255, 180, 180) : QColor(255, 255, 255));
    m_stepsToGo->adjustSize();
    m_stepsToGo->show();
}

// The chooser marks every layout that has a record; its tooltip gives the
// current layout's record and fewest steps.
void CoachPanel::showRecordMarks() {
    auto* chooser = m_window.findChild<LayoutChooser*>("Combo1");
    if (!chooser) return;
    for (int i = 0; i < chooser->count(); ++i) {
        // The entry keeps the layout's name as the file system spells it.
        const std::string name = chooser->itemData(i).toByteArray().toStdString();
        chooser->setRecordMark(i, isRegularFile(m_window.paths().recordFile(name)));
    }
    QString tip = QStringLiteral("最佳步数记录：") + toQString(m_state.labels.bestSteps);
    if (!m_state.labels.holderTip.empty())
        tip += QStringLiteral("（%1）").arg(toQString(m_state.labels.holderTip));
    tip += QStringLiteral("\n最少步数：") + m_fewestValue->text();
    chooser->setToolTip(tip);
    // An arrangement on trial has no record of its own.
    m_replayButton->setEnabled(!m_state.trial &&
                               isRegularFile(m_window.paths().recordFile(m_state.currentMap)));
}

void CoachPanel::afterStep() {
    hideHintMark();
    showStepsToGo();
    if (isSolved(m_state.board)) showRecordMarks();  // a win may have written a record
}

void CoachPanel::selectionChanged() { hideHintMark(); }

void CoachPanel::hideHintMark() { m_hintMark->hide(); }

std::optional<Hint> CoachPanel::helpFromHere() {
    const LayoutFigures* known = figures();
    if (!known) return std::nullopt;
    const Hint h = hintFor(known->map, m_state.board);
    if (h.kind != HintKind::Step) {
        m_window.showMessage(h.kind == HintKind::Solved ? texts::kHintSolved : texts::kHintNoWay,
                             MessageIcon::Information, texts::kAppTitle);
        return std::nullopt;
    }
    // The game is helped from now on; the steps to go follow it.
    markAssisted(m_state);
    m_hintUsed = true;
    showStepsToGo();
    return h;
}

// The piece is selected exactly as a press on it would select it: it takes
// the focus. A window that is not active gets the focus only later, so the
// focus handler then runs at once, as the press would have made it run.
void CoachPanel::selectPiece(int index) {
    m_window.findChild<XPButton*>(QStringLiteral("QZ%1").arg(index))
        ->setFocus(Qt::MouseFocusReason);
    if (m_state.selectedQZ != index) m_window.QZ_GotFocus(index);
}

void CoachPanel::hint() {
    interrupt();
    const std::optional<Hint> found = helpFromHere();
    if (!found) return;
    const Hint& h = *found;
    selectPiece(h.step.piece);
    m_hintMark->setGeometry(layout::pixels({h.targetCell.left, h.targetCell.top, kCell, kCell}));
    m_hintMark->show();
    m_hintMark->raise();
}

}  // namespace quellan
