#include "media/sound_servers.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace quellan {
namespace {

struct Machine {
    const char* what;
    std::map<std::string, std::string> environment;
    std::set<std::string> sockets;
    const char* drivers;  // what SDL is told to try; "" leaves SDL's own choice
    bool card = true;
    std::set<std::string> files = {};
};

SoundServerProbe probeOf(const Machine& machine) {
    return {[&](const char* name) -> const char* {
                const auto found = machine.environment.find(name);
                return found == machine.environment.end() ? nullptr : found->second.c_str();
            },
            [&](const std::string& path) { return machine.sockets.count(path) == 1; },
            [&](const std::string& path) { return machine.files.count(path) == 1; },
            [&] { return machine.card; }};
}

TEST(SoundServers, OnlyTheServersThatRunAreTried) {
    const std::map<std::string, std::string> session{{"XDG_RUNTIME_DIR", "/run/user/1000"}};
    const Machine machines[] = {
        {"no server at all", session, {}, "alsa,sndio"},
        {"PulseAudio only", session, {"/run/user/1000/pulse/native"}, "pulseaudio,alsa,sndio"},
        {"PipeWire only", session, {"/run/user/1000/pipewire-0"}, "alsa,sndio,pipewire"},
        {"both servers",
         session,
         {"/run/user/1000/pulse/native", "/run/user/1000/pipewire-0"},
         "pulseaudio,alsa,sndio,pipewire"},
        {"both servers and an OSS device",
         session,
         {"/run/user/1000/pulse/native", "/run/user/1000/pipewire-0"},
         "",
         true,
         {"/dev/dsp"}},
        {"a system-wide PulseAudio", session, {"/run/pulse/native"}, "pulseaudio,alsa,sndio"},
        {"a PulseAudio named outright",
         {{"PULSE_SERVER", "tcp:host"}},
         {},
         "pulseaudio,alsa,sndio"},
        {"a PulseAudio at its own path",
         {{"PULSE_RUNTIME_PATH", "/tmp/p"}},
         {"/tmp/p/native"},
         "pulseaudio,alsa,sndio"},
        {"no session folder", {}, {"/pulse/native"}, "alsa,sndio"},
        {"a driver the player chose", {{"SDL_AUDIODRIVER", "alsa"}}, {}, "", false},
        {"no sound card", session, {}, "dummy", false},
        {"no sound card, an sndio server", session, {"/tmp/sndio/sock0"}, "sndio", false},
        {"no sound card, an OSS device", session, {}, "dsp", false, {"/dev/dsp"}},
        {"no sound card, an OSS device named outright",
         {{"AUDIODEV", "/dev/dsp1"}},
         {},
         "dsp",
         false},
        {"no sound card, the player's own ALSA configuration",
         {{"HOME", "/home/p"}},
         {},
         "alsa,sndio",
         false,
         {"/home/p/.asoundrc"}},
        {"no sound card, ALSA's configuration in the config folder",
         {{"HOME", "/home/p"}},
         {},
         "alsa,sndio",
         false,
         {"/home/p/.config/alsa/asoundrc"}},
        {"no sound card, a system-wide ALSA configuration",
         session,
         {},
         "alsa,sndio",
         false,
         {"/etc/asound.conf"}},
        {"no sound card, an ALSA configuration named outright",
         {{"ALSA_CONFIG_PATH", "/opt/a.conf"}},
         {},
         "alsa,sndio",
         false},
        {"no sound card, PulseAudio runs",
         session,
         {"/run/user/1000/pulse/native"},
         "pulseaudio",
         false},
    };
    const std::vector<std::string> sdlOrder{"pulseaudio", "alsa", "sndio", "dsp",
                                            "pipewire",   "disk", "dummy"};
    for (const Machine& machine : machines)
        EXPECT_EQ(soundDriversToTry(sdlOrder, probeOf(machine)), machine.drivers) << machine.what;
}

// With nothing to play on, the answer says so (the game then leaves SDL's
// sound alone).
TEST(SoundServers, NothingLeftToTryPlaysSilently) {
    const Machine bare{"nothing", {}, {}, "dummy", false};
    EXPECT_EQ(soundDriversToTry({"pulseaudio", "alsa", "dsp", "dummy"}, probeOf(bare)), "dummy");
}

}  // namespace
}  // namespace quellan
