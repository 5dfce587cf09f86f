#pragma once
// The shared SDL audio output. It tries the real device first and then
// SDL's dummy driver, so a machine whose sound cannot be opened runs
// silently; where nothing can play at all (sound_servers.h) SDL's sound is
// not set up, and the game is silent from the start. It never fails and
// never shows a message. Every player holds one
// AudioDevice; the output closes for good when the last one goes.
//
// An open output costs CPU even when it plays nothing: SDL's audio thread
// mixes silence many times a second. So the output opens only when a sound
// starts (`wake`) and closes again once nothing sounds (`sleepIfSilent`),
// which leaves an idle game with no thread of its own running.
//
// Setting the driver up can take long (a sound server that is not there, a
// driver without a card that SDL gives up on only after a while), so the
// game starts it on a thread of its own first thing (`prepareInBackground`)
// and shows its window meanwhile. The first effect asked for meanwhile (the
// set-up sound) is decoded and started on that thread as soon as the output
// is open; anything else that needs the output waits for it.
#include <functional>

namespace quellan {

class AudioDevice {
  public:
    AudioDevice();
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // Sets the driver up and opens the output on a thread of its own; a
    // device made afterwards uses that output. `first` runs on that thread
    // before anything else (the tests hold the preparation with it).
    static void prepareInBackground(std::function<void()> first = {});
    // Waits until a preparation under way has finished.
    static void finishPreparation();
    // While the output is still being prepared (or the preparing thread
    // still waits for the first effect): hands `start` to the preparing
    // thread, which runs it as soon as the output is open, and returns true.
    // Otherwise returns false: run it now.
    static bool deferWhilePreparing(std::function<void()> start);

    // True when SDL_mixer is usable (real or dummy output), awake or asleep,
    // or may still become so while it is being prepared.
    bool isOpen() const;
    // The SDL driver in use ("dummy" when no real device could be opened), or
    // "" when there is no audio at all.
    static const char* driverName();

    // Opens the output for a sound that is about to start; true when it is
    // open. Cheap when it is open already.
    bool wake() const;
    // Closes the output when no effect and no music sounds; true when it is
    // asleep afterwards.
    bool sleepIfSilent() const;
    // Whether the output is open now, or being opened by the preparation.
    static bool isAwake();

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
