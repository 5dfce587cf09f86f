// The committed sounds and music: SDL_mixer must read every one of them, the
// effects must be short and different from each other, the tracks calm-length
// and small.
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <filesystem>
#include <set>
#include <string>

#include "media/audio_device.h"
#include "music/music_cycle.h"

namespace quellan {
namespace {

const std::string kSounds = QUELLAN_SOUND_DIR;

double chunkSeconds(const Mix_Chunk* chunk) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    const int bytesPerSample = SDL_AUDIO_BITSIZE(format) / 8;
    return static_cast<double>(chunk->alen) / (frequency * channels * bytesPerSample);
}

class SoundAssets : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(device.wake()); }
    AudioDevice device;
};

TEST_F(SoundAssets, TheFourEffectsLoadAndLastUnderASecond) {
    std::set<Uint32> lengths;
    for (const char* name : {"init.wav", "select.wav", "move.wav", "overpass.wav"}) {
        SCOPED_TRACE(name);
        Mix_Chunk* chunk = Mix_LoadWAV((kSounds + "/" + name).c_str());
        ASSERT_NE(chunk, nullptr) << Mix_GetError();
        EXPECT_GT(chunkSeconds(chunk), 0.05);
        EXPECT_LT(chunkSeconds(chunk), 1.0);
        lengths.insert(chunk->alen);
        Mix_FreeChunk(chunk);
    }
    EXPECT_EQ(lengths.size(), 4u) << "every effect is a sound of its own";
}

TEST_F(SoundAssets, TheSevenTracksLoadAndLastFortyToNinetySeconds) {
    std::uintmax_t bytes = 0;
    for (int n = 1; n <= MusicCycle::kTrackCount; ++n) {
        const std::string path = MusicCycle::trackPath(kSounds.substr(0, kSounds.size() - 6), n);
        SCOPED_TRACE(path);
        Mix_Music* music = Mix_LoadMUS(path.c_str());
        ASSERT_NE(music, nullptr) << Mix_GetError();
        EXPECT_EQ(Mix_GetMusicType(music), MUS_MP3);
        const double seconds = Mix_MusicDuration(music);
        EXPECT_GE(seconds, 40.0);
        EXPECT_LE(seconds, 90.0);
        Mix_FreeMusic(music);
        bytes += std::filesystem::file_size(path);
    }
    EXPECT_LT(bytes, 3u * 1024 * 1024);
}

}  // namespace
}  // namespace quellan
