#pragma once
// The shared SDL audio output. Opening tries the real device first and then
// SDL's dummy driver, so a machine without a sound card or sound server runs
// silently; it never fails and never shows a message. Every player holds one
// AudioDevice; the output closes when the last one goes.
namespace quellan {

class AudioDevice {
  public:
    AudioDevice();
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // True when SDL_mixer is usable (real or dummy output).
    bool isOpen() const { return m_open; }
    // The SDL driver in use ("dummy" when no real device could be opened), or
    // "" when there is no audio at all.
    static const char* driverName();

    // The output format the players must deliver their samples in.
    static constexpr int kFrequency = 44100;
    static constexpr int kChannels = 2;
    // SDL_mixer channel kept for the sound effects.
    static constexpr int kEffectChannel = 0;

    // Closes the output now for this holder (idempotent).
    void release();

  private:
    bool m_open = false;
};

}  // namespace quellan
