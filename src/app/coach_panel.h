#pragma once
// The coach on the main window: the layout's fewest steps, the hint, the
// steps still to go, the demonstration and the replay of the record. It
// follows the game session and makes every step through it, so the step
// count, history, sounds and win stay one path; a player who never touches
// its controls plays exactly as before.
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "app/background_figures.h"
#include "app/game_session.h"
#include "coach/arrangement_figures.h"
#include "coach/coach_rules.h"

class QLabel;

namespace quellan {

class HintMark;
class XPButton;

class CoachPanel : public QObject {
    Q_OBJECT

  public:
    // Its figures and buttons stand on the game panel `board`, the steps to
    // go on the window's bottom bar `window`.
    CoachPanel(GameSession& session, QWidget* board, QWidget* window);

    // A press on `piece` stops a demonstration or a replay and does nothing
    // else; a press on the record holder's name replays the record.
    void stopOnPress(QWidget* piece);
    void replayOnPress(QWidget* holder);
    // Stops a demonstration or a replay; true when one was running (the
    // press that stopped it does nothing else).
    bool interrupt();
    // Ends a demonstration or a replay where it stands, the board as it is
    // (the window closes).
    void stop();

    // The pause between two steps of a demonstration or a replay.
    void setStepInterval(int ms) { m_timer.setInterval(ms); }
    bool isPlaying() const { return m_mode != Mode::Idle; }
    // Waits for the current layout's figures, its distance map included,
    // and returns them; nullptr without a layout.
    const LayoutFigures* figures();

  signals:
    // The coach selects piece `index`, as a press on it would.
    void pieceChosen(int index);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Mode { Idle, Demonstration, Replay };
    using Figures = std::shared_ptr<const LayoutFigures>;

    void buildControls(QWidget* board, QWidget* window);
    void sessionChanged(GameSession::Change change);
    void layoutSetUp();
    void afterStep();
    void startFigures();
    void figuresReady(Figures figures);
    void showFewestSteps();
    void showStepsToGo();
    void showRecordMarks();
    // The hint from the board as it stands, marking the game as helped; a
    // message instead at the exit or where no solution is left.
    std::optional<Hint> helpFromHere();
    void hint();
    void toggleDemonstration();
    void replay();
    void step();
    void demonstrationStep();
    void replayStep();

    GameSession& m_session;
    QWidget* m_recordHolder = nullptr;
    QLabel* m_fewestValue = nullptr;
    QLabel* m_stepsToGo = nullptr;
    XPButton* m_demoButton = nullptr;
    XPButton* m_replayButton = nullptr;
    HintMark* m_hintMark = nullptr;

    Board m_setUpBoard;  // the layout as set up, for its figures
    // The distance map is kept only once the coach is asked for help
    // (m_keepMap): until then only the figures shown stay, and the map is
    // built again when asked for.
    Figures m_figures;
    BackgroundFigures<Figures> m_build;
    QTimer m_figuresStart;
    bool m_keepMap = false;
    bool m_hintUsed = false;
    std::optional<int> m_lastStepsToGo;

    QTimer m_timer;
    Mode m_mode = Mode::Idle;
    std::vector<Board> m_replayBoards;
    std::size_t m_replayAt = 0;
};

}  // namespace quellan
