#include "media/audio_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "media/sound_servers.h"

namespace quellan {
namespace {

// How the driver is set up: by the first device itself, or by the thread of
// `prepareInBackground`, which is still at it or done.
enum class Setup { Direct, Preparing, Prepared };

int g_users = 0;                     // devices held; only the UI thread counts
std::atomic<bool> g_usable = false;  // SDL's audio driver is set up; the output opens on demand
std::atomic<bool> g_awake = false;   // the output is open and SDL's audio thread runs
std::atomic<Setup> g_setup = Setup::Direct;
// How long the preparing thread, its output open, waits for the set-up sound.
constexpr std::chrono::seconds kFirstEffectWait{3};

std::mutex g_preparationMutex;
std::condition_variable g_preparationChanged;
std::function<void()> g_deferredStart;  // guarded by g_preparationMutex
bool g_stopWaiting = false;             // guarded by g_preparationMutex

void stopWaiting() {
    {
        std::lock_guard lock(g_preparationMutex);
        g_stopWaiting = true;
    }
    g_preparationChanged.notify_all();
}

// The preparing thread; stopped and joined at the latest when the program ends.
struct Preparer {
    std::thread thread;
    ~Preparer() { finish(); }
    void finish() {
        if (!thread.joinable() || thread.get_id() == std::this_thread::get_id()) return;
        stopWaiting();
        thread.join();
    }
} g_preparer;

void useDummyDriver() {
    // The override also wins over an SDL_AUDIODRIVER naming a driver that
    // does not work here.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
}

// The drivers worth trying here (sound_servers.h): "" for SDL's own choice,
// "dummy" when nothing here can play.
std::string driversWorthTrying() {
    std::vector<std::string> compiledOrder;
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i)
        compiledOrder.emplace_back(SDL_GetAudioDriver(i));
    return soundDriversToTry(compiledOrder, systemSoundServerProbe());
}

bool setUpDriver() {
    const std::string drivers = driversWorthTrying();
    // Where nothing can play, SDL would only mix silence on a thread of its
    // own, competing with the window for the processor while it comes up:
    // the game stays silent without setting SDL's sound up.
    if (drivers == "dummy") return false;
    // SDL must not take over SIGINT and SIGTERM from the game.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_WasInit(0) == 0 && SDL_Init(0) != 0) return false;
    if (!drivers.empty()) SDL_SetHint(SDL_HINT_AUDIODRIVER, drivers.c_str());
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

void prepare(const std::function<void()>& first) {
    if (first) first();
    g_usable = setUpDriver();
    g_awake = g_usable && openOutput();
    // The set-up sound is asked for while the window is being built; it is
    // waited for here a while, so that decoding it does not hold the window
    // up either. Anything else that needs the output ends the wait. The
    // output stays open; the game's silence check puts it to sleep.
    std::unique_lock lock(g_preparationMutex);
    g_preparationChanged.wait_for(lock, kFirstEffectWait,
                                  [] { return g_deferredStart || g_stopWaiting; });
    std::function<void()> start = std::exchange(g_deferredStart, nullptr);
    if (start && g_awake) start();
    g_setup = Setup::Prepared;
}

}  // namespace

void AudioDevice::prepareInBackground(std::function<void()> first) {
    finishPreparation();
    if (g_users > 0 || g_usable) return;  // set up already
    g_setup = Setup::Preparing;
    g_stopWaiting = false;
    g_preparer.thread = std::thread(prepare, std::move(first));
}

void AudioDevice::finishPreparation() { g_preparer.finish(); }

bool AudioDevice::deferWhilePreparing(std::function<void()> start) {
    {
        std::lock_guard lock(g_preparationMutex);
        if (g_setup != Setup::Preparing) return false;
        g_deferredStart = std::move(start);
    }
    g_preparationChanged.notify_all();
    return true;
}

AudioDevice::AudioDevice() {
    if (g_users == 0 && g_setup == Setup::Direct) g_usable = setUpDriver();
    ++g_users;
    m_open = g_setup == Setup::Preparing || g_usable;
    if (!m_open) {
        --g_users;
    }
}

bool AudioDevice::isOpen() const { return m_open && (g_setup == Setup::Preparing || g_usable); }

AudioDevice::~AudioDevice() { release(); }

void AudioDevice::release() {
    if (!m_open) return;
    m_open = false;
    if (--g_users == 0) {
        finishPreparation();
        if (g_awake) closeOutput();
        if (g_usable) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        g_awake = false;
        g_usable = false;
        g_setup = Setup::Direct;
    }
}

bool AudioDevice::wake() const {
    finishPreparation();
    if (!m_open || !g_usable) return false;
    if (!g_awake) g_awake = openOutput();
    return g_awake;
}

bool AudioDevice::sleepIfSilent() const {
    if (g_setup == Setup::Preparing) return false;  // look again later
    finishPreparation();
    if (!g_awake) return true;
    if (Mix_Playing(-1) != 0 || Mix_PlayingMusic() != 0) return false;
    // The driver stays set up, so the next wake only opens the output.
    closeOutput();
    g_awake = false;
    return true;
}

bool AudioDevice::isAwake() { return g_setup == Setup::Preparing || g_awake; }

const char* AudioDevice::driverName() {
    finishPreparation();
    if (!g_usable) return "";
    const char* name = SDL_GetCurrentAudioDriver();
    return name ? name : "";
}

}  // namespace quellan
