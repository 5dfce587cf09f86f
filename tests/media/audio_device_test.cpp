#include "media/audio_device.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <csignal>
#include <cstdlib>
#include <string>

namespace quellan {
namespace {

TEST(AudioDevice, OpensEvenWithoutASoundCard) {
    AudioDevice device;
    EXPECT_TRUE(device.isOpen());
    EXPECT_STRNE(AudioDevice::driverName(), "");
}

TEST(AudioDevice, FallsBackToTheDummyDriverWhenTheRealOneFails) {
    const char* before = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = before ? before : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        AudioDevice device;
        EXPECT_TRUE(device.isOpen());
        EXPECT_STREQ(AudioDevice::driverName(), "dummy");
    }
    if (before) {
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }
}

TEST(AudioDevice, LeavesTheTerminationSignalsToTheGame) {
    AudioDevice device;
    ASSERT_TRUE(device.isOpen());
    EXPECT_TRUE(SDL_GetHintBoolean(SDL_HINT_NO_SIGNAL_HANDLERS, SDL_FALSE));
    for (int sig : {SIGINT, SIGTERM}) {
        struct sigaction current {};
        sigaction(sig, nullptr, &current);
        EXPECT_EQ(current.sa_handler, SIG_DFL) << sig;
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

}  // namespace
}  // namespace quellan
