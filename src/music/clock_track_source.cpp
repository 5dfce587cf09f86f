#include "music/clock_track_source.h"

#include <chrono>

namespace quellan {

void ClockTrackSource::reseed() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32)};
    m_engine.seed(seed);
}

int ClockTrackSource::draw() {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    return trackFor(unit(m_engine));
}

int ClockTrackSource::trackFor(double r) {
    int n = static_cast<int>(r * MusicCycle::kTrackCount) + 1;
    // uniform_real_distribution may in rare cases round up to 1.0 itself.
    if (n > MusicCycle::kTrackCount) n = MusicCycle::kTrackCount;
    if (n < 1) n = 1;
    return n;
}

}  // namespace quellan
