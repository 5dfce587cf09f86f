#pragma once
// The background-music cycle: an endless random playlist of the seven tracks
// in "/sound/bg/", paced by the one-shot timer `Timer1` and driven by the music
// option `Check1`. Plain rules over three small ports, so that the window
// supplies a real player and timer and the tests supply fakes.
#include <functional>
#include <string>
#include <string_view>

namespace quellan {

// The music player `MMControl1`: the four commands `MMCPlay` needs and the
// completion notification.
class MusicDevice {
  public:
    virtual ~MusicDevice() = default;
    // Stops and releases the current track; harmless when nothing is open.
    // A track ended this way never raises the completion notification.
    virtual void close() = 0;
    virtual void setFileName(const std::string& path) = 0;
    // Opens the file named last; a missing or unplayable file leaves the
    // player silent.
    virtual void open() = 0;
    // Starts the open track and returns at once.
    virtual void play() = 0;
    // `handler` runs on the game's thread each time a track has played to its
    // end by itself.
    virtual void setCompletionHandler(std::function<void()> handler) = 0;
};

// `Timer1`: fires once after its interval when enabled; the cycle disables it
// in the handler before anything else.
class OneShotTimer {
  public:
    virtual ~OneShotTimer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};

// Where the next track number comes from.
class TrackSource {
  public:
    virtual ~TrackSource() = default;
    // Reseeds the generator; the cycle does this before every draw.
    virtual void reseed() = 0;
    // A track number, uniform over 1..kTrackCount.
    virtual int draw() = 0;
};

enum class MusicState { Off, Waiting, Playing, Suspended };

class MusicCycle {
  public:
    static constexpr int kTrackCount = 7;
    static constexpr int kTimerIntervalMs = 1000;

    // `appPath` is the program's folder without a trailing separator.
    MusicCycle(MusicDevice& player, OneShotTimer& timer, TrackSource& tracks, std::string appPath);
    ~MusicCycle();
    MusicCycle(const MusicCycle&) = delete;
    MusicCycle& operator=(const MusicCycle&) = delete;

    // The music option's change handler, with the option's new value.
    void Check1_Click(int value);
    // The handler of `Timer1`: draws a track and starts it.
    void Timer1_Timer();
    // Close, file name, Open, Play.
    void MMCPlay(const std::string& path);
    // The player's completion notification: a track played to its end.
    void trackCompleted();
    // At exit: `Timer1` disabled and "Close" sent.
    void shutDown();

    int check1() const { return m_check1; }
    MusicState state() const;

    // appPath + "/sound/bg/" + n + ".mp3".
    static std::string trackPath(std::string_view appPath, int n);

  private:
    MusicDevice& m_player;
    OneShotTimer& m_timer;
    TrackSource& m_tracks;
    std::string m_appPath;
    int m_check1 = 0;
};

}  // namespace quellan
