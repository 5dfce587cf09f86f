#include "media/audio_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace quellan {
namespace {

int g_users = 0;
bool g_ready = false;

bool openOutput() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(AudioDevice::kFrequency, MIX_DEFAULT_FORMAT, AudioDevice::kChannels, 1024) !=
        0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

bool openShared() {
    // SDL must not take over SIGINT and SIGTERM from the game.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_WasInit(0) == 0 && SDL_Init(0) != 0) return false;
    if (!openOutput()) {
        // No real output: the dummy driver keeps every player working, silently.
        // The override also wins over an SDL_AUDIODRIVER naming a driver
        // that does not work here.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (!openOutput()) return false;
    }
    Mix_AllocateChannels(8);
    Mix_ReserveChannels(AudioDevice::kEffectChannel + 1);
    return true;
}

void closeShared() {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace

AudioDevice::AudioDevice() {
    if (g_users == 0) g_ready = openShared();
    ++g_users;
    m_open = g_ready;
    if (!m_open) {
        --g_users;
    }
}

AudioDevice::~AudioDevice() { release(); }

void AudioDevice::release() {
    if (!m_open) return;
    m_open = false;
    if (--g_users == 0) {
        closeShared();
        g_ready = false;
    }
}

const char* AudioDevice::driverName() {
    if (!g_ready) return "";
    const char* name = SDL_GetCurrentAudioDriver();
    return name ? name : "";
}

}  // namespace quellan
