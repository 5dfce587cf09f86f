#include "media/sdl_music_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <utility>

namespace quellan {

std::atomic<SdlMusicPlayer*> SdlMusicPlayer::s_active{nullptr};

SdlMusicPlayer::SdlMusicPlayer(const AudioDevice& device, QObject* parent)
    : QObject(parent), m_device(device) {}

SdlMusicPlayer::~SdlMusicPlayer() {
    close();
    if (s_active.load() == this) {
        // Taking the hook away waits for a hook that may be running right now
        // on the audio thread (SDL_mixer holds the audio lock while it runs).
        if (m_device.isOpen()) Mix_HookMusicFinished(nullptr);
        s_active.store(nullptr);
    }
}

void SdlMusicPlayer::close() {
    m_playing.store(0);
    if (m_music) {
        if (m_device.isOpen() && s_active.load() == this) Mix_HaltMusic();
        Mix_FreeMusic(m_music);
        m_music = nullptr;
    }
}

void SdlMusicPlayer::setFileName(const std::string& path) { m_fileName = path; }

void SdlMusicPlayer::open() {
    if (!m_device.wake()) return;
    close();
    // A missing or unplayable file leaves the player silent.
    m_music = Mix_LoadMUS(m_fileName.c_str());
}

void SdlMusicPlayer::play() {
    if (!m_music || !m_device.wake()) return;
    if (++m_lastTrack == 0) ++m_lastTrack;
    s_active.store(this);
    Mix_HookMusicFinished(&SdlMusicPlayer::onMusicFinished);
    // Mix_PlayMusic halts a track still playing and runs the hook for it;
    // halting here first, while no track number is set, keeps that hook from
    // counting. The number is set before the start so that even a very short
    // track cannot end unnoticed.
    m_playing.store(0);
    Mix_HaltMusic();
    m_playing.store(m_lastTrack);
    if (Mix_PlayMusic(m_music, 0) != 0) m_playing.store(0);
}

void SdlMusicPlayer::setCompletionHandler(std::function<void()> handler) {
    m_handler = std::move(handler);
}

bool SdlMusicPlayer::isPlaying() const {
    AudioDevice::finishPreparation();
    return AudioDevice::isAwake() && s_active.load() == this && Mix_PlayingMusic() != 0;
}

void SdlMusicPlayer::onMusicFinished() {
    // Runs on SDL's audio thread (or inside a halt): no SDL_mixer calls here.
    SdlMusicPlayer* self = s_active.load();
    if (!self) return;
    const unsigned track = self->m_playing.load();
    if (track == 0) return;  // halted by "Close"
    QMetaObject::invokeMethod(
        self, [self, track] { self->deliverFinished(track); }, Qt::QueuedConnection);
}

void SdlMusicPlayer::deliverFinished(unsigned track) {
    // A track closed or replaced after it ended is no longer the one playing.
    if (m_playing.load() != track) return;
    m_playing.store(0);
    if (m_handler) m_handler();
    emit trackFinished();
}

}  // namespace quellan
