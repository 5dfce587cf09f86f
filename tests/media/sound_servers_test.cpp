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
};

TEST(SoundServers, OnlyTheServersThatRunAreTried) {
    const std::map<std::string, std::string> session{{"XDG_RUNTIME_DIR", "/run/user/1000"}};
    const Machine machines[] = {
        {"no server at all", session, {}, "alsa,sndio"},
        {"PulseAudio only", session, {"/run/user/1000/pulse/native"}, "pulseaudio,alsa,sndio"},
        {"PipeWire only", session, {"/run/user/1000/pipewire-0"}, "alsa,sndio,pipewire"},
        {"both servers", session, {"/run/user/1000/pulse/native", "/run/user/1000/pipewire-0"}, ""},
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
        {"a driver the player chose", {{"SDL_AUDIODRIVER", "alsa"}}, {}, ""},
    };
    const std::vector<std::string> sdlOrder{"pulseaudio", "alsa", "sndio",
                                            "pipewire",   "disk", "dummy"};
    for (const Machine& machine : machines) {
        const SoundServerProbe probe{
            [&](const char* name) -> const char* {
                const auto found = machine.environment.find(name);
                return found == machine.environment.end() ? nullptr : found->second.c_str();
            },
            [&](const std::string& path) { return machine.sockets.count(path) == 1; }};
        EXPECT_EQ(soundDriversToTry(sdlOrder, probe), machine.drivers) << machine.what;
    }
}

TEST(SoundServers, NothingLeftToTryLeavesSdlItsOwnChoice) {
    const SoundServerProbe nothing{[](const char*) -> const char* { return nullptr; },
                                   [](const std::string&) { return false; }};
    EXPECT_EQ(soundDriversToTry({"pulseaudio", "dummy"}, nothing), "");
}

}  // namespace
}  // namespace quellan
