#pragma once
// The music player in place of the multimedia control: Close, file name, Open
// and Play over SDL_mixer, and the completion notification for a track that
// played to its end.
//
// SDL_mixer calls its music-finished hook on its own audio thread when a track
// ends, and also, on the calling thread, when a track is halted. A halted track
// must not count as finished (the cycle would start a new track a second after
// every "Close"), so each started track gets a number; "Close" clears it before
// halting, and the hook only hands the number of the track that was playing
// over to the game's thread with a queued call. It never calls SDL_mixer.
#include <QObject>
#include <atomic>
#include <functional>
#include <string>

#include "media/audio_device.h"
#include "music/music_cycle.h"

typedef struct _Mix_Music Mix_Music;

namespace quellan {

class SdlMusicPlayer : public QObject, public MusicDevice {
    Q_OBJECT

  public:
    // `device` must outlive the player; without an open device nothing sounds.
    explicit SdlMusicPlayer(const AudioDevice& device, QObject* parent = nullptr);
    ~SdlMusicPlayer() override;

    void close() override;
    void setFileName(const std::string& path) override;
    void open() override;
    void play() override;
    void setCompletionHandler(std::function<void()> handler) override;

    // Whether a file is open (loaded) after "Open".
    bool isTrackOpen() const { return m_music != nullptr; }
    // Whether SDL_mixer is playing music right now.
    bool isPlaying() const;

  signals:
    // Emitted on the game's thread after the completion handler has run.
    void trackFinished();

  private:
    static void onMusicFinished();
    void deliverFinished(unsigned track);

    const AudioDevice& m_device;
    std::string m_fileName;
    Mix_Music* m_music = nullptr;
    std::function<void()> m_handler;
    // The number of the track playing now, 0 when none; read by the hook.
    std::atomic<unsigned> m_playing{0};
    unsigned m_lastTrack = 0;

    // SDL_mixer plays one music at a time; this is the player that owns it.
    static std::atomic<SdlMusicPlayer*> s_active;
};

}  // namespace quellan
