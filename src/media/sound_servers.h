#pragma once
// Which of SDL's audio drivers are worth trying on this machine. SDL tries
// the PulseAudio server before ALSA; where no PulseAudio server runs, that
// try loads the client library and a dozen codec and system libraries it
// pulls in, only to find no server, and they stay loaded. A server listens
// on a socket that exists from the session's start (socket activation), so
// its absence is known at the cost of one file check. ALSA likewise loads
// its library and reads its whole configuration before it finds that the
// machine has no sound card; without a playback device or a configuration
// of the player's own that could send the sound elsewhere, it is not tried,
// nor is sndio, which then has only ALSA's device to play on; OSS is tried
// only where its device is there.
#include <functional>
#include <string>
#include <vector>

namespace quellan {

// What the choice looks at: the environment, whether a path is a socket or
// a file, and whether the machine has a playback device of its own.
struct SoundServerProbe {
    std::function<const char*(const char*)> environment;
    std::function<bool(const std::string&)> isSocket;
    std::function<bool(const std::string&)> isFile;
    std::function<bool()> hasPlaybackDevice;
};

// The probe of this machine.
SoundServerProbe systemSoundServerProbe();

// `compiledOrder` is SDL's own order of its drivers. Returns the same order
// less the sound servers that do not run here ("pulseaudio", "pipewire",
// "sndio"), and ALSA and OSS ("dsp") where they have nothing to play on,
// comma-separated for SDL's driver hint, and less the file and silent
// drivers, which SDL only uses when named; "dummy" when nothing is left:
// nothing here can play. Returns "" to leave SDL's own
// choice: when the player has chosen a driver (SDL_AUDIODRIVER), or when
// nothing would be skipped.
std::string soundDriversToTry(const std::vector<std::string>& compiledOrder,
                              const SoundServerProbe& probe);

}  // namespace quellan
