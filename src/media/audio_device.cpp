#include "media/audio_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace quellan {
namespace {

int g_users = 0;
bool g_usable = false;  // SDL's audio driver is set up; the output opens on demand
bool g_awake = false;   // the output is open and SDL's audio thread runs

void useDummyDriver() {
    // The override also wins over an SDL_AUDIODRIVER naming a driver that
    // does not work here.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
}

bool setUpDriver() {
    // SDL must not take over SIGINT and SIGTERM from the game.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_WasInit(0) == 0 && SDL_Init(0) != 0) return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) return true;
    useDummyDriver();
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

bool openMixer() {
    if (Mix_OpenAudio(AudioDevice::kFrequency, MIX_DEFAULT_FORMAT, AudioDevice::kChannels, 1024) !=
        0) {
        return false;
    }
    Mix_AllocateChannels(8);
    Mix_ReserveChannels(AudioDevice::kEffectChannel + 1);
    return true;
}

bool openOutput() {
    if (openMixer()) return true;
    // A driver without a device (no sound card, no sound server): the dummy
    // driver keeps every player working, silently, from now on.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    useDummyDriver();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        g_usable = false;
        return false;
    }
    return openMixer();
}

void closeOutput() {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
}

}  // namespace

AudioDevice::AudioDevice() {
    if (g_users == 0) g_usable = setUpDriver();
    ++g_users;
    m_open = g_usable;
    if (!m_open) {
        --g_users;
    }
}

AudioDevice::~AudioDevice() { release(); }

void AudioDevice::release() {
    if (!m_open) return;
    m_open = false;
    if (--g_users == 0) {
        if (g_awake) closeOutput();
        if (g_usable) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        g_awake = false;
        g_usable = false;
    }
}

bool AudioDevice::wake() const {
    if (!m_open || !g_usable) return false;
    if (!g_awake) g_awake = openOutput();
    return g_awake;
}

bool AudioDevice::sleepIfSilent() const {
    if (!g_awake) return true;
    if (Mix_Playing(-1) != 0 || Mix_PlayingMusic() != 0) return false;
    // The driver stays set up, so the next wake only opens the output.
    closeOutput();
    g_awake = false;
    return true;
}

bool AudioDevice::isAwake() { return g_awake; }

const char* AudioDevice::driverName() {
    if (!g_usable) return "";
    const char* name = SDL_GetCurrentAudioDriver();
    return name ? name : "";
}

}  // namespace quellan
