#include "media/default_sound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quellan {
namespace {

void putLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> defaultSoundWav() {
    // Two soft bell partials, a fifth apart, with a quick attack and decay.
    constexpr int kSamples = kDefaultSoundRate / 4;
    constexpr double kTwoPi = 2.0 * std::numbers::pi;
    std::vector<std::uint8_t> wav;
    const std::uint32_t dataBytes = kSamples * 2;
    putTag(wav, "RIFF");
    putLe(wav, 36 + dataBytes, 4);
    putTag(wav, "WAVE");
    putTag(wav, "fmt ");
    putLe(wav, 16, 4);
    putLe(wav, 1, 2);  // PCM
    putLe(wav, 1, 2);  // mono
    putLe(wav, kDefaultSoundRate, 4);
    putLe(wav, kDefaultSoundRate * 2, 4);
    putLe(wav, 2, 2);
    putLe(wav, 16, 2);
    putTag(wav, "data");
    putLe(wav, dataBytes, 4);
    for (int i = 0; i < kSamples; ++i) {
        const double t = static_cast<double>(i) / kDefaultSoundRate;
        const double attack = std::min(1.0, t / 0.005);
        const double envelope = attack * std::exp(-t * 14.0);
        const double s = 0.6 * std::sin(kTwoPi * 880.0 * t) + 0.3 * std::sin(kTwoPi * 1320.0 * t);
        const auto sample = static_cast<std::int16_t>(std::lround(s * envelope * 0.5 * 32767.0));
        putLe(wav, static_cast<std::uint16_t>(sample), 2);
    }
    return wav;
}

}  // namespace quellan
