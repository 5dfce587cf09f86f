#pragma once
// The short sound played when an effect's WAV file is missing or unreadable,
// as the desktop plays its default sound: a complete in-memory WAV file.
#include <cstdint>
#include <vector>

namespace quellan {

// 16-bit mono PCM at kDefaultSoundRate, about a quarter of a second.
std::vector<std::uint8_t> defaultSoundWav();

inline constexpr int kDefaultSoundRate = 22050;

}  // namespace quellan
