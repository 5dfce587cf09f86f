#include "media/sdl_effect_player.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include "support/temp_dir.h"

namespace quellan {
namespace {

const std::string kSounds = QUELLAN_SOUND_DIR;

TEST(SdlEffectPlayer, PlaysAWavFileOnTheEffectChannel) {
    AudioDevice device;
    SdlEffectPlayer player(device);
    player.play(kSounds + "/init.wav");
    EXPECT_FALSE(player.lastWasDefault());
    EXPECT_TRUE(player.isPlaying());
}

TEST(SdlEffectPlayer, ANewEffectReplacesTheOneStillSounding) {
    AudioDevice device;
    SdlEffectPlayer player(device);
    player.play(kSounds + "/overpass.wav");
    player.play(kSounds + "/move.wav");
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST(SdlEffectPlayer, AMissingFilePlaysTheDefaultSound) {
    AudioDevice device;
    SdlEffectPlayer player(device);
    player.play(kSounds + "/no-such-effect.wav");
    EXPECT_TRUE(player.lastWasDefault());
    EXPECT_TRUE(player.isPlaying());
}

TEST(SdlEffectPlayer, AnUnreadableFilePlaysTheDefaultSound) {
    AudioDevice device;
    SdlEffectPlayer player(device);
    testing::TempDir dir;
    const std::string path = dir.write("broken.wav", "RIFF but not really a wave file").string();
    player.play(path);
    EXPECT_TRUE(player.lastWasDefault());
    EXPECT_TRUE(player.isPlaying());
    // A good file afterwards plays itself again.
    player.play(kSounds + "/select.wav");
    EXPECT_FALSE(player.lastWasDefault());
}

TEST(SdlEffectPlayer, AClosedDeviceIsSilentAndSafe) {
    AudioDevice device;
    SdlEffectPlayer player(device);
    device.release();
    player.play(kSounds + "/move.wav");
    EXPECT_FALSE(player.isPlaying());
}

}  // namespace
}  // namespace quellan
