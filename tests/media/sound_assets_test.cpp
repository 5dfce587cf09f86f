// The committed sounds and music: SDL_mixer must read every one of them, the
// effects must be short and different from each other, the tracks calm-length
// and small, and what the mixer plays of them must be sound, not silence.
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

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

// The loudest sample the mixer has handed to the output since the last reset
// (its audio thread writes it, the test reads it).
std::atomic<int> g_peak = 0;

void notePeak(void*, Uint8* stream, int bytes) {
    const auto* samples = reinterpret_cast<const Sint16*>(stream);
    int peak = g_peak.load();
    for (int i = 0; i < bytes / 2; ++i) peak = std::max(peak, std::abs(int{samples[i]}));
    g_peak.store(peak);
}

// Waits a while for the mixer's output to reach a clearly audible level.
bool soundsWithin(std::chrono::seconds patience) {
    const auto end = std::chrono::steady_clock::now() + patience;
    while (g_peak.load() < 1000 && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return g_peak.load() >= 1000;
}

TEST_F(SoundAssets, AnEffectAndATrackReachTheOutputAsSound) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels), 0);
    ASSERT_EQ(format, AUDIO_S16SYS);
    Mix_SetPostMix(&notePeak, nullptr);
    g_peak = 0;
    Mix_Chunk* chunk = Mix_LoadWAV((kSounds + "/init.wav").c_str());
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    Mix_PlayChannel(AudioDevice::kEffectChannel, chunk, 0);
    EXPECT_TRUE(soundsWithin(std::chrono::seconds(5))) << "init.wav peak " << g_peak.load();
    Mix_HaltChannel(-1);
    Mix_FreeChunk(chunk);

    g_peak = 0;
    Mix_Music* music =
        Mix_LoadMUS(MusicCycle::trackPath(kSounds.substr(0, kSounds.size() - 6), 1).c_str());
    ASSERT_NE(music, nullptr) << Mix_GetError();
    Mix_PlayMusic(music, 0);
    EXPECT_TRUE(soundsWithin(std::chrono::seconds(5))) << "track 1 peak " << g_peak.load();
    Mix_HaltMusic();
    Mix_FreeMusic(music);
    Mix_SetPostMix(nullptr, nullptr);
}

}  // namespace
}  // namespace quellan
