#pragma once
// Sound effects over SDL_mixer: every effect goes to the one reserved channel,
// so a new effect cuts off the one still sounding; the music plays alongside.
#include <string>

#include "media/audio_device.h"
#include "media/effect_player.h"

struct Mix_Chunk;

namespace quellan {

class SdlEffectPlayer : public EffectPlayer {
  public:
    // `device` must outlive the player; without an open device nothing sounds.
    explicit SdlEffectPlayer(const AudioDevice& device);
    ~SdlEffectPlayer() override;
    SdlEffectPlayer(const SdlEffectPlayer&) = delete;
    SdlEffectPlayer& operator=(const SdlEffectPlayer&) = delete;

    void play(const std::string& path) override;
    void releaseFinished() override;

    // Whether an effect is still sounding on the effect channel.
    bool isPlaying() const;
    // Whether the last play fell back to the built-in default sound (once it
    // has started).
    bool lastWasDefault() const { return m_lastWasDefault; }

  private:
    // Plays `path` on the open output.
    void start(const std::string& path);
    void dropCurrent();

    const AudioDevice& m_device;
    Mix_Chunk* m_current = nullptr;
    Mix_Chunk* m_default = nullptr;
    bool m_lastWasDefault = false;
};

}  // namespace quellan
