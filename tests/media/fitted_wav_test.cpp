#include "media/fitted_wav.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <cstring>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "media/audio_device.h"

namespace quellan {
namespace {

const std::string kSounds = QUELLAN_SOUND_DIR;

Mix_Chunk* loadFromFile(Mix_Chunk* (*load)(SDL_RWops*, int), const std::string& path) {
    return load(SDL_RWFromFile(path.c_str(), "rb"), 1);
}

Mix_Chunk* loadFitted(SDL_RWops* source, int closeSource) {
    return loadFittedWav(source, closeSource != 0);
}

// Each effect is converted to the output's format (the effects have half
// its rate and one channel of its two), so SDL_mixer's buffer is larger
// than the sound it ends up holding.
TEST(FittedWav, HoldsTheSameSoundInABufferOfItsSize) {
#if !defined(__GLIBC__)
    GTEST_SKIP() << "the size of an allocation is only asked of glibc";
#else
    AudioDevice device;
    ASSERT_TRUE(device.wake());
    for (const char* name : {"init.wav", "select.wav", "move.wav", "overpass.wav"}) {
        SCOPED_TRACE(name);
        Mix_Chunk* plain = loadFromFile(Mix_LoadWAV_RW, kSounds + "/" + name);
        Mix_Chunk* fitted = loadFromFile(loadFitted, kSounds + "/" + name);
        ASSERT_NE(plain, nullptr);
        ASSERT_NE(fitted, nullptr);
        ASSERT_EQ(fitted->alen, plain->alen);
        EXPECT_EQ(std::memcmp(fitted->abuf, plain->abuf, fitted->alen), 0);
        // Within a page of the sound's own size, as a block of its own is.
        EXPECT_LT(malloc_usable_size(fitted->abuf), fitted->alen + 4096);
        Mix_FreeChunk(plain);
        Mix_FreeChunk(fitted);
    }
#endif
}

TEST(FittedWav, AFileThatIsNoSoundGivesNoChunk) {
    AudioDevice device;
    ASSERT_TRUE(device.wake());
    EXPECT_EQ(loadFromFile(loadFitted, kSounds + "/no-such-effect.wav"), nullptr);
    static const char kNotAWave[] = "RIFF but not really a wave";
    EXPECT_EQ(loadFittedWav(SDL_RWFromConstMem(kNotAWave, sizeof kNotAWave), true), nullptr);
}

}  // namespace
}  // namespace quellan
