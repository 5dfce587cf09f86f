#include "music/music_cycle.h"

#include <utility>

#include "setup/game_host.h"

namespace quellan {

MusicCycle::MusicCycle(MusicDevice& player, OneShotTimer& timer, TrackSource& tracks,
                       std::string appPath)
    : m_player(player), m_timer(timer), m_tracks(tracks), m_appPath(std::move(appPath)) {
    m_player.setCompletionHandler([this] { trackCompleted(); });
}

MusicCycle::~MusicCycle() { m_player.setCompletionHandler({}); }

void MusicCycle::Check1_Click(int value) {
    m_check1 = value;
    if (value == music::kOn) {
        m_timer.setEnabled(true);
    } else {
        // Switching off (or going grey) also cancels a track start that is
        // still pending, so that the timer only runs while music is wanted.
        m_timer.setEnabled(false);
        m_player.close();
    }
}

void MusicCycle::Timer1_Timer() {
    m_timer.setEnabled(false);
    m_tracks.reseed();
    MMCPlay(trackPath(m_appPath, m_tracks.draw()));
}

void MusicCycle::MMCPlay(const std::string& path) {
    m_player.close();
    m_player.setFileName(path);
    m_player.open();
    m_player.play();
}

void MusicCycle::trackCompleted() {
    if (m_check1 == music::kOn) m_timer.setEnabled(true);
}

void MusicCycle::shutDown() {
    m_timer.setEnabled(false);
    m_player.close();
}

MusicState MusicCycle::state() const {
    if (m_check1 == music::kSuspended) return MusicState::Suspended;
    if (m_check1 != music::kOn) return MusicState::Off;
    return m_timer.isEnabled() ? MusicState::Waiting : MusicState::Playing;
}

std::string MusicCycle::trackPath(std::string_view appPath, int n) {
    return std::string(appPath) + "/sound/bg/" + std::to_string(n) + ".mp3";
}

}  // namespace quellan
