#pragma once
// One game as the window and its panels share it: the game state, where the
// files live and the layouts the chooser lists. The window's handlers, the
// coach and the workshop all act on the game through here, and every change
// is told once, through `changed`, in the order the listeners connected: the
// window shows the board first, then the panels follow it.
#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "setup/game_host.h"
#include "setup/game_state.h"

namespace quellan {

class GameSession : public QObject {
    Q_OBJECT

  public:
    enum class Change {
        SetUp,        // a layout was set up, also a failed one
        TrialSetUp,   // an arrangement without a layout file was set up (试玩)
        Moved,        // a move was attempted on the board
        Undone,       // the undo button was pressed
        Selection,    // a piece got or lost the focus
        LayoutAdded,  // a new layout stands at the end of the list
        Replayed,     // the replay shows a position of the record
        Records,      // a record may have come or gone, or the fewest steps are known
    };

    // `host` shows messages and plays sounds for the rules; it outlives the session.
    GameSession(GameHost& host, const GamePaths& paths, QObject* parent = nullptr);

    const GameState& game() const { return m_state; }
    const GamePaths& paths() const { return m_paths; }
    GameHost& host() const { return m_host; }

    // The layouts found at start-up, in the chooser's order, as the file
    // system spells their names.
    const std::vector<std::string>& listLayouts();
    const std::vector<std::string>& layoutNames() const { return m_names; }
    // Sets layout `index` of the list up; it is then the chosen one.
    void setUpLayout(int index);
    // Sets the chosen layout up again (after a replay).
    void setUpChosenLayout() { setUpLayout(m_chosen); }
    // Lists a new layout at the end and sets it up, as choosing it would.
    void addLayout(const std::string& name);
    // Sets an arrangement up that has no layout file (试玩).
    void tryArrangement(const Board& arrangement);

    // One move attempt at (x, y) on the board in twips, as a press makes it.
    void press(float x, float y);
    void undo();
    void select(int index);
    void deselect();
    // The game counts as helped from now on (a hint was asked for).
    void markAssisted();

    // The replay shows `board` as step `step` of the record; the game itself
    // stays as it is. The position shown stays until the next change.
    struct ReplayedPosition {
        Board board;
        int step = 0;
    };
    void showReplayed(const Board& board, int step);
    const std::optional<ReplayedPosition>& replayed() const { return m_replayed; }

    // The fewest steps of the layout as the coach shows them; the chooser's
    // tooltip repeats them. Telling them also looks at the records again.
    void showRecords(const std::string& fewestStepsText);
    const std::string& fewestStepsText() const { return m_fewestStepsText; }
    bool hasRecord(const std::string& layoutName) const;

    // The coach registers how a demonstration or a replay is stopped.
    void setCoachStop(std::function<bool()> stop) { m_coachStop = std::move(stop); }
    // Stops a demonstration or a replay; true when one was running.
    bool stopCoach();

  signals:
    void changed(quellan::GameSession::Change change);

  private:
    void tell(Change change);

    GameHost& m_host;
    GamePaths m_paths;
    GameState m_state;
    std::vector<std::string> m_names;
    int m_chosen = -1;
    std::optional<ReplayedPosition> m_replayed;
    std::string m_fewestStepsText;
    std::function<bool()> m_coachStop;
};

}  // namespace quellan
