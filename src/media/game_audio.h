#pragma once
// Everything audible in the game: the sound effects behind `PlayEffect` and
// the background-music cycle behind the music option `Check1`. The window
// creates one GameAudio, attaches its two option boxes and calls PlayEffect at
// the four moments of the game.
#include <QCheckBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>
#include <string_view>

#include "media/audio_device.h"
#include "media/effect_player.h"
#include "media/music_check_box.h"
#include "media/qt_one_shot_timer.h"
#include "music/clock_track_source.h"
#include "music/music_cycle.h"

namespace quellan {

class GameAudio : public QObject {
    Q_OBJECT

  public:
    // Opens the audio output (the real device first, then SDL's dummy driver);
    // never fails and never shows a message. `appPath` is the program's folder
    // without a trailing separator.
    explicit GameAudio(const QString& appPath, QObject* parent = nullptr);
    // With other players in place of the SDL ones (the tests use recorders).
    GameAudio(const QString& appPath, std::unique_ptr<EffectPlayer> effects,
              std::unique_ptr<MusicDevice> music, QObject* parent = nullptr);
    ~GameAudio() override;

    // Attach before the start-up assignments of the two options: every later
    // change of `check1` runs Check1_Click, and PlayEffect reads `check2`.
    void attach(MusicCheckBox* check1, QCheckBox* check2);

    // Plays AppPath + `literal` (for example "/sound/move.wav") when the
    // sound-effects option is set, and returns at once.
    void PlayEffect(std::string_view literal);

    // At exit: `Timer1` disabled, "Close" sent, the audio output closed.
    // Idempotent; afterwards nothing sounds.
    void shutDown();

    // The music option's handler and `Timer1`'s handler; the box and the
    // timer call them, tests may too.
    void Check1_Click(int value);
    void Timer1_Timer();

    // How long after a sound started the output is looked at again, and put
    // to sleep when nothing sounds any more.
    static constexpr int kSleepCheckMs = 2500;

    bool isTimer1Enabled() const { return m_timer1.isEnabled(); }
    int timer1Interval() const { return m_timer1.interval(); }
    const MusicCycle& cycle() const { return m_cycle; }
    bool isShutDown() const { return m_shutDown; }

  private:
    // A sound has just started: watch for the silence after it.
    void watchForSilence();

    std::string m_appPath;
    AudioDevice m_device;
    std::unique_ptr<EffectPlayer> m_effects;
    std::unique_ptr<MusicDevice> m_music;
    QtOneShotTimer m_timer1;
    ClockTrackSource m_tracks;
    MusicCycle m_cycle;
    QPointer<QCheckBox> m_check2;
    QTimer m_sleepCheck;
    bool m_shutDown = false;
};

}  // namespace quellan
