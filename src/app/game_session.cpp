#include "app/game_session.h"

#include "coach/coach_rules.h"
#include "common/text_file.h"
#include "play/move_engine.h"
#include "play/selection.h"
#include "play/undo.h"
#include "setup/layout_catalogue.h"
#include "setup/layout_loader.h"

namespace quellan {

GameSession::GameSession(GameHost& host, const GamePaths& paths, QObject* parent)
    : QObject(parent), m_host(host), m_paths(paths) {}

const std::vector<std::string>& GameSession::listLayouts() {
    m_names = quellan::listLayouts(m_paths);
    return m_names;
}

void GameSession::tell(Change change) {
    // A position of the record shows only until the game changes again.
    if (change != Change::Replayed && change != Change::Records) m_replayed.reset();
    emit changed(change);
}

void GameSession::setUpLayout(int index) {
    if (index < 0 || index >= static_cast<int>(m_names.size())) return;
    m_chosen = index;
    InitMap(m_state, m_host, m_paths, m_names[static_cast<size_t>(index)]);
    tell(Change::SetUp);
}

void GameSession::addLayout(const std::string& name) {
    m_names.push_back(name);  // at the end, where no catalogue entry is
    tell(Change::LayoutAdded);
    setUpLayout(static_cast<int>(m_names.size()) - 1);
}

void GameSession::tryArrangement(const Board& arrangement) {
    stopCoach();
    setUpTrial(m_state, m_host, arrangement);
    tell(Change::TrialSetUp);
}

void GameSession::press(float x, float y) {
    QZMove(m_state, m_host, m_paths, x, y);
    tell(Change::Moved);
}

void GameSession::undo() {
    undoMove(m_state, m_host);
    tell(Change::Undone);
}

void GameSession::select(int index) {
    QZ_GotFocus(m_state, m_host, index);
    tell(Change::Selection);
}

void GameSession::deselect() {
    QZ_LostFocus(m_state);
    tell(Change::Selection);
}

void GameSession::markAssisted() { ::quellan::markAssisted(m_state); }

void GameSession::showReplayed(const Board& board, int step) {
    m_replayed = ReplayedPosition{board, step};
    tell(Change::Replayed);
}

void GameSession::showRecords(const std::string& fewestStepsText) {
    m_fewestStepsText = fewestStepsText;
    tell(Change::Records);
}

bool GameSession::hasRecord(const std::string& layoutName) const {
    return isRegularFile(m_paths.recordFile(layoutName));
}

bool GameSession::stopCoach() { return m_coachStop && m_coachStop(); }

}  // namespace quellan
