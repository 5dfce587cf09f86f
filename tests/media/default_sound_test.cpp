#include "media/default_sound.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>

#include "media/audio_device.h"

namespace quellan {
namespace {

std::uint32_t readLe32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(DefaultSound, IsAShortMonoPcmWaveFile) {
    const auto wav = defaultSoundWav();
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(readLe32(wav, 4), wav.size() - 8);
    EXPECT_EQ(readLe32(wav, 24), static_cast<std::uint32_t>(kDefaultSoundRate));
    const std::uint32_t dataBytes = readLe32(wav, 40);
    EXPECT_EQ(dataBytes, wav.size() - 44);
    const double seconds = dataBytes / 2.0 / kDefaultSoundRate;
    EXPECT_GT(seconds, 0.1);
    EXPECT_LT(seconds, 1.0);
}

TEST(DefaultSound, IsAudibleAndDoesNotClip) {
    const auto wav = defaultSoundWav();
    int peak = 0;
    for (std::size_t i = 44; i + 1 < wav.size(); i += 2) {
        const auto s = static_cast<std::int16_t>(wav[i] | wav[i + 1] << 8);
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    EXPECT_GT(peak, 4000);
    EXPECT_LT(peak, 32000);
}

TEST(DefaultSound, SdlMixerReadsIt) {
    AudioDevice device;
    ASSERT_TRUE(device.wake());
    const auto wav = defaultSoundWav();
    Mix_Chunk* chunk =
        Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1);
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    EXPECT_GT(chunk->alen, 0u);
    Mix_FreeChunk(chunk);
}

}  // namespace
}  // namespace quellan
