#pragma once
// The random track choice of the music cycle: a generator reseeded from the
// system clock before every draw, and n = int(r * 7) + 1 for r in [0, 1).
#include <random>

#include "music/music_cycle.h"

namespace quellan {

class ClockTrackSource : public TrackSource {
  public:
    void reseed() override;
    int draw() override;

    // The track for a random value r in [0, 1).
    static int trackFor(double r);

  private:
    std::mt19937 m_engine;
};

}  // namespace quellan
