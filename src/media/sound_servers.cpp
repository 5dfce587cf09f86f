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

}  // namespace

SoundServerProbe systemSoundServerProbe() {
    return {[](const char* name) -> const char* { return std::getenv(name); },
            [](const std::string& path) {
                std::error_code error;
                return std::filesystem::is_socket(path, error);
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
            (driver == "pipewire" && !pipeWireRuns(probe))) {
            skipped = true;
            continue;
        }
        drivers += (drivers.empty() ? "" : ",") + driver;
    }
    return skipped && !drivers.empty() ? drivers : std::string();
}

}  // namespace quellan
