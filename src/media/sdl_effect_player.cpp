#include "media/sdl_effect_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "media/default_sound.h"
#include "media/fitted_wav.h"

namespace quellan {

SdlEffectPlayer::SdlEffectPlayer(const AudioDevice& device) : m_device(device) {}

SdlEffectPlayer::~SdlEffectPlayer() {
    AudioDevice::finishPreparation();  // an effect waiting for the output is started or dropped
    dropCurrent();
    if (m_default) Mix_FreeChunk(m_default);
}

void SdlEffectPlayer::play(const std::string& path) {
    // An effect asked for while the output is still being prepared starts the
    // moment it is open, on the preparing thread.
    if (AudioDevice::deferWhilePreparing([this, path] { start(path); })) return;
    if (!m_device.wake()) return;
    start(path);
}

void SdlEffectPlayer::start(const std::string& path) {
    Mix_HaltChannel(AudioDevice::kEffectChannel);
    dropCurrent();
    m_current = loadFittedWav(SDL_RWFromFile(path.c_str(), "rb"), true);
    m_lastWasDefault = m_current == nullptr;
    Mix_Chunk* chunk = m_current;
    if (!chunk) {
        if (!m_default) {
            const auto wav = defaultSoundWav();
            m_default =
                loadFittedWav(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), true);
        }
        chunk = m_default;
    }
    if (chunk) Mix_PlayChannel(AudioDevice::kEffectChannel, chunk, 0);
}

void SdlEffectPlayer::releaseFinished() {
    if (!isPlaying()) dropCurrent();
}

bool SdlEffectPlayer::isPlaying() const {
    AudioDevice::finishPreparation();
    return AudioDevice::isAwake() && Mix_Playing(AudioDevice::kEffectChannel) != 0;
}

void SdlEffectPlayer::dropCurrent() {
    // Freeing a chunk also stops the channel that still plays it.
    if (m_current) Mix_FreeChunk(m_current);
    m_current = nullptr;
}

}  // namespace quellan
