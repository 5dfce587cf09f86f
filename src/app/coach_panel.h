#pragma once
// The coach on the main window: the layout's fewest steps, the hint, the
// steps still to go, the demonstration and the replay of the record. Every
// step it makes goes through the window's own press handling, so the step
// count, history, sounds and win stay one path; a player who never touches
// its controls plays exactly as before.
#include <QFutureWatcher>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "coach/coach_rules.h"
#include "coach/distance_map.h"
#include "setup/game_state.h"

class QLabel;

namespace quellan {

class HintMark;
class XPButton;
class frmMain;

// What the coach knows about one layout, worked out off the UI thread.
struct LayoutFigures {
    DistanceMap map;
    std::optional<int> fewestSteps;
    std::optional<int> fewestPieceMoves;
};

class CoachPanel : public QObject {
    Q_OBJECT

  public:
    CoachPanel(frmMain& window, GameState& state);
    ~CoachPanel() override;

    // Hooks of the window.
    void layoutSetUp();       // after every set-up, also a failed one
    void afterStep();         // after a move attempt or an undo
    void selectionChanged();  // a piece got or lost the focus
    // Stops a demonstration or a replay; true when one was running (the
    // press that stopped it does nothing else).
    bool interrupt();
    // Ends a demonstration or a replay where it stands, the board as it is
    // (the window closes).
    void stop();

    void hint();
    void toggleDemonstration();
    void replay();

    // The pause between two steps of a demonstration or a replay.
    void setStepInterval(int ms) { m_timer.setInterval(ms); }
    bool isPlaying() const { return m_mode != Mode::Idle; }
    // Waits for the current layout's figures (they are worked out off the UI
    // thread) and returns them; nullptr without a layout.
    const LayoutFigures* figures();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Mode { Idle, Demonstration, Replay };

    void buildControls();
    void startFigures();
    void figuresReady();
    void showFewestSteps();
    void showStepsToGo();
    void showRecordMarks();
    void hideHintMark();
    void selectPiece(int index);
    // The hint from the board as it stands, marking the game as helped; a
    // message instead at the exit or where no solution is left.
    std::optional<Hint> helpFromHere();
    void step();
    void demonstrationStep();
    void replayStep();

    frmMain& m_window;
    GameState& m_state;
    QLabel* m_fewestCaption = nullptr;
    QLabel* m_fewestValue = nullptr;
    QLabel* m_stepsToGo = nullptr;
    XPButton* m_hintButton = nullptr;
    XPButton* m_demoButton = nullptr;
    XPButton* m_replayButton = nullptr;
    HintMark* m_hintMark = nullptr;

    QFutureWatcher<std::shared_ptr<const LayoutFigures>> m_watcher;
    std::shared_ptr<const LayoutFigures> m_figures;
    bool m_figuresPending = false;  // a build for the current layout is due or under way
    Board m_setUpBoard;             // the layout as set up, for that build
    QTimer m_figuresStart;
    bool m_hintUsed = false;
    std::optional<int> m_lastStepsToGo;

    QTimer m_timer;
    Mode m_mode = Mode::Idle;
    std::vector<Board> m_replayBoards;
    std::size_t m_replayAt = 0;
};

}  // namespace quellan
