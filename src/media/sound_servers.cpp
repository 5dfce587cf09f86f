#include "media/sound_servers.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace quellan {
namespace {

bool isSet(const SoundServerProbe& probe, const char* name) {
    const char* value = probe.environment(name);
    return value != nullptr && *value != '\0';
}

// `<$variable><tail>` when the variable is set, else "".
std::string under(const SoundServerProbe& probe, const char* variable, const char* tail) {
    return isSet(probe, variable) ? std::string(probe.environment(variable)) + tail : std::string();
}

bool anySocket(const SoundServerProbe& probe, const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        if (!path.empty() && probe.isSocket(path)) return true;
    }
    return false;
}

bool pulseAudioRuns(const SoundServerProbe& probe) {
    if (isSet(probe, "PULSE_SERVER")) return true;  // named outright, perhaps remote
    return anySocket(probe, {under(probe, "PULSE_RUNTIME_PATH", "/native"),
                             under(probe, "XDG_RUNTIME_DIR", "/pulse/native"), "/run/pulse/native",
                             "/var/run/pulse/native"});
}

bool pipeWireRuns(const SoundServerProbe& probe) {
    if (isSet(probe, "PIPEWIRE_REMOTE")) return true;
    return anySocket(probe, {under(probe, "PIPEWIRE_RUNTIME_DIR", "/pipewire-0"),
                             under(probe, "XDG_RUNTIME_DIR", "/pipewire-0")});
}

// The ALSA library's default device is the machine's card unless a
// configuration says otherwise.
bool alsaCanPlay(const SoundServerProbe& probe) {
    if (probe.hasPlaybackDevice() || isSet(probe, "ALSA_CONFIG_PATH")) return true;
    const std::string home = under(probe, "HOME", "/.asoundrc");
    const std::string config = isSet(probe, "XDG_CONFIG_HOME")
                                   ? under(probe, "XDG_CONFIG_HOME", "/alsa/asoundrc")
                                   : under(probe, "HOME", "/.config/alsa/asoundrc");
    for (const std::string& path : {home, config, std::string("/etc/asound.conf")}) {
        if (!path.empty() && probe.isFile(path)) return true;
    }
    return false;
}

// sndio plays through its server, or where none listens, straight on the
// ALSA device.
bool sndioCanPlay(const SoundServerProbe& probe) {
    return isSet(probe, "AUDIODEVICE") || probe.isSocket("/tmp/sndio/sock0") || alsaCanPlay(probe);
}

// OSS plays on /dev/dsp, or on the device AUDIODEV names.
bool ossCanPlay(const SoundServerProbe& probe) {
    return isSet(probe, "AUDIODEV") || probe.isFile("/dev/dsp");
}

}  // namespace

SoundServerProbe systemSoundServerProbe() {
    return {[](const char* name) -> const char* { return std::getenv(name); },
            [](const std::string& path) {
                std::error_code error;
                return std::filesystem::is_socket(path, error);
            },
            [](const std::string& path) {
                std::error_code error;
                return std::filesystem::exists(path, error);
            },
            [] {
                // ALSA's playback devices: /dev/snd/pcmC<card>D<device>p.
                std::error_code error;
                for (std::filesystem::directory_iterator it("/dev/snd", error), end;
                     !error && it != end; it.increment(error)) {
                    const std::string name = it->path().filename().string();
                    if (name.rfind("pcmC", 0) == 0 && name.back() == 'p') return true;
                }
                return false;
            }};
}

std::string soundDriversToTry(const std::vector<std::string>& compiledOrder,
                              const SoundServerProbe& probe) {
    if (isSet(probe, "SDL_AUDIODRIVER")) return {};
    std::string drivers;
    bool skipped = false;
    for (const std::string& driver : compiledOrder) {
        if (driver == "disk" || driver == "dummy") continue;
        if ((driver == "pulseaudio" && !pulseAudioRuns(probe)) ||
            (driver == "pipewire" && !pipeWireRuns(probe)) ||
            (driver == "alsa" && !alsaCanPlay(probe)) ||
            (driver == "sndio" && !sndioCanPlay(probe)) ||
            (driver == "dsp" && !ossCanPlay(probe))) {
            skipped = true;
            continue;
        }
        drivers += (drivers.empty() ? "" : ",") + driver;
    }
    if (!skipped) return {};
    return drivers.empty() ? "dummy" : drivers;
}

}  // namespace quellan
