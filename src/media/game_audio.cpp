#include "media/game_audio.h"

#include <algorithm>

#include "media/sdl_effect_player.h"
#include "media/sdl_music_player.h"

namespace quellan {

GameAudio::GameAudio(const QString& appPath, QObject* parent)
    : GameAudio(appPath, nullptr, nullptr, parent) {}

GameAudio::GameAudio(const QString& appPath, std::unique_ptr<EffectPlayer> effects,
                     std::unique_ptr<MusicDevice> music, QObject* parent)
    : QObject(parent),
      m_appPath(appPath.toStdString()),
      m_effects(effects ? std::move(effects) : std::make_unique<SdlEffectPlayer>(m_device)),
      m_music(music ? std::move(music) : std::make_unique<SdlMusicPlayer>(m_device)),
      m_timer1(MusicCycle::kTimerIntervalMs, [this] { Timer1_Timer(); }),
      m_cycle(*m_music, m_timer1, m_tracks, m_appPath) {
    m_sleepCheck.setSingleShot(true);
    m_sleepCheck.setInterval(kSleepCheckMs);
    connect(&m_sleepCheck, &QTimer::timeout, this, [this] {
        // Music or a long effect still sounding: look again later.
        if (m_device.sleepIfSilent()) {
            m_effects->releaseFinished();
        } else {
            m_sleepCheck.start();
        }
    });
    // An output opened by the start-up preparation sleeps too when nothing
    // comes to sound on it.
    watchForSilence();
}

GameAudio::~GameAudio() { shutDown(); }

void GameAudio::attach(MusicCheckBox* check1, QCheckBox* check2) {
    if (check1) connect(check1, &MusicCheckBox::valueChanged, this, &GameAudio::Check1_Click);
    m_check2 = check2;
}

void GameAudio::PlayEffect(std::string_view literal) {
    if (m_shutDown || !m_check2 || !m_check2->isChecked()) return;
    std::string path = m_appPath + std::string(literal);
    // The literals name their folders with either separator; SDL wants '/'.
    std::replace(path.begin(), path.end(), '\\', '/');
    m_effects->play(path);
    watchForSilence();
}

void GameAudio::shutDown() {
    if (m_shutDown) return;
    m_shutDown = true;
    m_sleepCheck.stop();
    m_cycle.shutDown();
    m_device.release();
}

void GameAudio::Check1_Click(int value) {
    if (!m_shutDown) m_cycle.Check1_Click(value);
}

void GameAudio::Timer1_Timer() {
    if (m_shutDown) return;
    m_cycle.Timer1_Timer();
    watchForSilence();
}

void GameAudio::watchForSilence() {
    if (AudioDevice::isAwake()) m_sleepCheck.start();
}

}  // namespace quellan
