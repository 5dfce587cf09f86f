#include "media/audio_device.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <QByteArray>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "media/sdl_effect_player.h"
#include "media/sound_servers.h"

namespace quellan {
namespace {

// SDL's driver named for one test; the one before comes back afterwards.
class ScopedAudioDriver {
  public:
    // nullptr: no driver named, SDL's own choice.
    explicit ScopedAudioDriver(const char* driver)
        : m_wasSet(qEnvironmentVariableIsSet("SDL_AUDIODRIVER")),
          m_saved(qgetenv("SDL_AUDIODRIVER")) {
        if (driver) {
            qputenv("SDL_AUDIODRIVER", driver);
        } else {
            qunsetenv("SDL_AUDIODRIVER");
        }
    }
    ~ScopedAudioDriver() {
        if (m_wasSet) {
            qputenv("SDL_AUDIODRIVER", m_saved);
        } else {
            qunsetenv("SDL_AUDIODRIVER");
        }
    }

  private:
    bool m_wasSet;
    QByteArray m_saved;
};

TEST(AudioDevice, OpensEvenWithoutASoundCard) {
    AudioDevice device;
    EXPECT_TRUE(device.isOpen());
    EXPECT_STRNE(AudioDevice::driverName(), "");
}

TEST(AudioDevice, FallsBackToTheDummyDriverWhenTheRealOneFails) {
    const ScopedAudioDriver broken("no-such-driver");
    AudioDevice device;
    EXPECT_TRUE(device.isOpen());
    EXPECT_STREQ(AudioDevice::driverName(), "dummy");
}

// Where nothing can play and no driver is named, SDL's sound is not set up
// at all: the game is silent from the start, with no thread mixing silence.
TEST(AudioDevice, IsNotSetUpWhereNothingCanPlay) {
    const ScopedAudioDriver none(nullptr);
    std::vector<std::string> compiledOrder;
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i)
        compiledOrder.emplace_back(SDL_GetAudioDriver(i));
    if (soundDriversToTry(compiledOrder, systemSoundServerProbe()) != "dummy")
        GTEST_SKIP() << "this machine has something to play on";
    AudioDevice device;
    EXPECT_FALSE(device.isOpen());
    EXPECT_STREQ(AudioDevice::driverName(), "");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST(AudioDevice, LeavesTheTerminationSignalsToTheGame) {
    AudioDevice device;
    ASSERT_TRUE(device.isOpen());
    EXPECT_TRUE(SDL_GetHintBoolean(SDL_HINT_NO_SIGNAL_HANDLERS, SDL_FALSE));
    for (int sig : {SIGINT, SIGTERM}) {
        // Setting a handler tells the one before it; that one goes back.
        const auto current = std::signal(sig, SIG_DFL);
        std::signal(sig, current);
        EXPECT_EQ(current, SIG_DFL) << sig;
    }
}

TEST(AudioDevice, StaysOpenUntilTheLastHolderGoes) {
    AudioDevice first;
    {
        AudioDevice second;
        EXPECT_TRUE(second.isOpen());
    }
    EXPECT_TRUE(first.isOpen());
    EXPECT_STRNE(AudioDevice::driverName(), "");
    first.release();
    EXPECT_FALSE(first.isOpen());
    first.release();
    EXPECT_STREQ(AudioDevice::driverName(), "");
}

// SDL's audio threads of this process. One runs while the output is open
// (it names itself only once it has started); closing the output ends it.
// Windows has no list of named threads to read: there, 0.
int sdlAudioThreads() {
    int count = 0;
#ifndef _WIN32
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        if (name.rfind("SDLAudio", 0) == 0) ++count;
    }
#endif
    return count;
}

TEST(AudioDevice, SleepsWhileNothingSoundsAndWakesForTheNextSound) {
    AudioDevice device;
    ASSERT_TRUE(device.isOpen());
    EXPECT_FALSE(AudioDevice::isAwake());
    EXPECT_EQ(sdlAudioThreads(), 0);
    SdlEffectPlayer effects(device);
    effects.play(std::string(QUELLAN_SOUND_DIR) + "/move.wav");
    EXPECT_TRUE(AudioDevice::isAwake());
    EXPECT_TRUE(effects.isPlaying());
    EXPECT_FALSE(device.sleepIfSilent());  // still sounding
    EXPECT_TRUE(effects.isPlaying());

    Mix_HaltChannel(-1);  // as if it had played to its end
    EXPECT_TRUE(device.sleepIfSilent());
    EXPECT_FALSE(AudioDevice::isAwake());
    EXPECT_EQ(sdlAudioThreads(), 0);
    effects.play(std::string(QUELLAN_SOUND_DIR) + "/move.wav");
    EXPECT_TRUE(effects.isPlaying());
    EXPECT_FALSE(effects.lastWasDefault());
}

// The game prepares the output on a thread of its own while the window is
// built; the set-up sound asked for meanwhile starts as soon as it is open.
TEST(AudioDevice, AnEffectAskedForWhileTheOutputIsPreparedStartsOnceItIsOpen) {
    std::promise<void> go;
    AudioDevice::prepareInBackground([held = go.get_future().share()] { held.wait(); });
    {
        AudioDevice device;
        EXPECT_TRUE(device.isOpen());
        EXPECT_TRUE(AudioDevice::isAwake());  // being opened
        SdlEffectPlayer effects(device);
        effects.play(std::string(QUELLAN_SOUND_DIR) + "/init.wav");  // returns at once
        EXPECT_FALSE(device.sleepIfSilent());
        go.set_value();
        // Whatever needs the output next (the music) finds the effect sounding.
        EXPECT_TRUE(device.wake());
        EXPECT_TRUE(effects.isPlaying());
        EXPECT_FALSE(effects.lastWasDefault());
    }
    EXPECT_STREQ(AudioDevice::driverName(), "");  // closed with the last holder
}

// Decoding the set-up sound must not hold the window up either: the
// preparing thread, its output open, waits for it and starts it itself.
TEST(AudioDevice, ThePreparedOutputWaitsForTheSetUpSoundOnItsOwnThread) {
    AudioDevice::prepareInBackground();
    AudioDevice device;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the output is open by now
    std::thread::id ranOn;
    EXPECT_TRUE(AudioDevice::deferWhilePreparing([&] { ranOn = std::this_thread::get_id(); }));
    AudioDevice::finishPreparation();
    EXPECT_NE(ranOn, std::thread::id());
    EXPECT_NE(ranOn, std::this_thread::get_id());
    EXPECT_FALSE(AudioDevice::deferWhilePreparing([] {}));  // later effects start at once
}

TEST(AudioDevice, APreparedOutputFallsBackToTheDummyDriverSilently) {
    const ScopedAudioDriver broken("no-such-driver");
    AudioDevice::prepareInBackground();
    AudioDevice device;
    EXPECT_TRUE(device.isOpen());
    EXPECT_STREQ(AudioDevice::driverName(), "dummy");
    SdlEffectPlayer effects(device);
    effects.play(std::string(QUELLAN_SOUND_DIR) + "/move.wav");
    EXPECT_TRUE(effects.isPlaying());
}

}  // namespace
}  // namespace quellan
