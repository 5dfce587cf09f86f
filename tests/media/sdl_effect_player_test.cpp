#include "media/sdl_effect_player.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include "support/temp_dir.h"

namespace quellan {
namespace {

const std::string kSounds = QUELLAN_SOUND_DIR;

class SdlEffectPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(device.isOpen()); }

    AudioDevice device;
    SdlEffectPlayer player{device};
};

TEST_F(SdlEffectPlayerTest, PlaysEachEffectFileItself) {
    for (const char* name : {"init.wav", "select.wav", "move.wav", "overpass.wav"}) {
        SCOPED_TRACE(name);
        player.play(kSounds + "/" + name);
        EXPECT_FALSE(player.lastWasDefault());
        EXPECT_TRUE(player.isPlaying());
    }
}

TEST_F(SdlEffectPlayerTest, ANewEffectReplacesTheOneStillSounding) {
    player.play(kSounds + "/overpass.wav");
    player.play(kSounds + "/move.wav");
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(SdlEffectPlayerTest, AMissingOrUnreadableFilePlaysTheDefaultSound) {
    testing::TempDir dir;
    const std::string broken = dir.write("broken.wav", "RIFF but not really a wave").string();
    for (const std::string& path : {kSounds + "/no-such-effect.wav", broken}) {
        SCOPED_TRACE(path);
        player.play(path);
        EXPECT_TRUE(player.lastWasDefault());
        EXPECT_TRUE(player.isPlaying());
    }
    // A good file afterwards plays itself again.
    player.play(kSounds + "/select.wav");
    EXPECT_FALSE(player.lastWasDefault());
}

TEST_F(SdlEffectPlayerTest, AClosedDeviceIsSilentAndSafe) {
    device.release();
    player.play(kSounds + "/move.wav");
    player.play(kSounds + "/no-such-effect.wav");
    EXPECT_FALSE(player.isPlaying());
}

}  // namespace
}  // namespace quellan
