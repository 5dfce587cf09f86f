#pragma once
// What plays a sound effect: one fixed channel, a new effect replaces the one
// still sounding, and a file that cannot be read plays a short default sound.
#include <string>

namespace quellan {

class EffectPlayer {
  public:
    virtual ~EffectPlayer() = default;
    // Starts the WAV file at `path` and returns at once.
    virtual void play(const std::string& path) = 0;
    // Called once the output has gone to sleep, nothing sounding: lets go
    // of the sound an effect that has ended still holds.
    virtual void releaseFinished() {}
};

}  // namespace quellan
