#include "music/music_cycle.h"

#include <gtest/gtest.h>

#include "support/fake_music.h"

namespace quellan {
namespace {

using testing::FakeMusicDevice;
using testing::FakeTimer;
using testing::FakeTrackSource;
using testing::Log;

constexpr const char* kApp = "/games/quellan";

class MusicCycleTest : public ::testing::Test {
  protected:
    Log log;
    FakeMusicDevice player{log};
    FakeTimer timer{log};
    FakeTrackSource tracks{log};
    MusicCycle cycle{player, timer, tracks, kApp};

    Log take() {
        Log out;
        out.swap(log);
        return out;
    }
    // Brings the cycle into `state` the way the game does, then forgets the log.
    void enter(MusicState state) {
        switch (state) {
            case MusicState::Off:
                cycle.Check1_Click(0);
                break;
            case MusicState::Waiting:
                cycle.Check1_Click(1);
                break;
            case MusicState::Playing:
                cycle.Check1_Click(1);
                cycle.Timer1_Timer();
                break;
            case MusicState::Suspended:
                cycle.Check1_Click(1);
                cycle.Check1_Click(2);
                break;
        }
        ASSERT_EQ(cycle.state(), state);
        log.clear();
    }
};

TEST_F(MusicCycleTest, NothingOpensWhileTheOptionWasNeverSet) {
    EXPECT_EQ(cycle.state(), MusicState::Off);
    EXPECT_FALSE(timer.isEnabled());
    EXPECT_TRUE(log.empty());
}

TEST_F(MusicCycleTest, SwitchingOnOnlyArmsTheTimer) {
    cycle.Check1_Click(1);
    EXPECT_EQ(take(), (Log{"Timer1 on"}));
    EXPECT_EQ(cycle.state(), MusicState::Waiting);
}

TEST_F(MusicCycleTest, TimerDisarmsItselfThenReseedsThenRunsMmcPlay) {
    enter(MusicState::Waiting);
    tracks.numbers = {4};
    cycle.Timer1_Timer();
    EXPECT_EQ(take(), (Log{"Timer1 off", "Reseed", "Close",
                           "FileName /games/quellan/sound/bg/4.mp3", "Open", "Play"}));
    EXPECT_EQ(cycle.state(), MusicState::Playing);
}

TEST_F(MusicCycleTest, EveryDrawHasItsOwnFreshSeedAndTheSameTrackMayComeTwice) {
    enter(MusicState::Waiting);
    tracks.numbers = {7, 7};
    cycle.Timer1_Timer();
    player.finish();
    cycle.Timer1_Timer();
    const Log expected{"Timer1 off",
                       "Reseed",
                       "Close",
                       "FileName /games/quellan/sound/bg/7.mp3",
                       "Open",
                       "Play",
                       "Timer1 on",
                       "Timer1 off",
                       "Reseed",
                       "Close",
                       "FileName /games/quellan/sound/bg/7.mp3",
                       "Open",
                       "Play"};
    EXPECT_EQ(take(), expected);
}

TEST_F(MusicCycleTest, MmcPlayClosesBeforeNamingOpeningAndPlaying) {
    cycle.MMCPlay("/x/sound/bg/2.mp3");
    EXPECT_EQ(take(), (Log{"Close", "FileName /x/sound/bg/2.mp3", "Open", "Play"}));
}

TEST_F(MusicCycleTest, AFinishedTrackBringsTheNextOneSecondLater) {
    enter(MusicState::Playing);
    player.finish();
    EXPECT_EQ(take(), (Log{"Timer1 on"}));
    EXPECT_EQ(cycle.state(), MusicState::Waiting);
}

TEST_F(MusicCycleTest, SwitchingOffWhilePlayingClosesAtOnce) {
    enter(MusicState::Playing);
    cycle.Check1_Click(0);
    EXPECT_EQ(take(), (Log{"Timer1 off", "Close"}));
    EXPECT_EQ(cycle.state(), MusicState::Off);
    EXPECT_FALSE(player.playing);
}

TEST_F(MusicCycleTest, SwitchingOffWhileATrackIsDueCancelsIt) {
    enter(MusicState::Waiting);
    cycle.Check1_Click(0);
    EXPECT_FALSE(timer.isEnabled());
    EXPECT_EQ(cycle.state(), MusicState::Off);
}

TEST_F(MusicCycleTest, OnAgainStartsANewTrackNeverTheOldOne) {
    enter(MusicState::Playing);
    cycle.Check1_Click(0);
    log.clear();
    cycle.Check1_Click(1);
    // Nothing resumes: only the timer is armed, and its firing opens a new draw.
    EXPECT_EQ(take(), (Log{"Timer1 on"}));
    tracks.numbers = {5};
    cycle.Timer1_Timer();
    EXPECT_EQ(take(), (Log{"Timer1 off", "Reseed", "Close",
                           "FileName /games/quellan/sound/bg/5.mp3", "Open", "Play"}));
}

TEST_F(MusicCycleTest, ACompletionWhileOffOrGreyStartsNothing) {
    for (MusicState state : {MusicState::Off, MusicState::Suspended}) {
        enter(state);
        player.finish();
        EXPECT_TRUE(log.empty());
        EXPECT_FALSE(timer.isEnabled());
        EXPECT_EQ(cycle.state(), state);
    }
}

TEST_F(MusicCycleTest, AWinWithMusicOnFallsSilentAndTheNextLayoutBringsItBack) {
    enter(MusicState::Playing);
    cycle.Check1_Click(2);
    EXPECT_EQ(take(), (Log{"Timer1 off", "Close"}));
    EXPECT_EQ(cycle.state(), MusicState::Suspended);
    cycle.Check1_Click(1);
    EXPECT_EQ(take(), (Log{"Timer1 on"}));
    EXPECT_EQ(cycle.state(), MusicState::Waiting);
}

TEST_F(MusicCycleTest, AWinWhileATrackIsDueCancelsTheStart) {
    enter(MusicState::Waiting);
    cycle.Check1_Click(2);
    EXPECT_FALSE(timer.isEnabled());
    EXPECT_EQ(cycle.state(), MusicState::Suspended);
}

TEST_F(MusicCycleTest, AMissingTrackIsSilentAndTheCycleWaits) {
    enter(MusicState::Waiting);
    cycle.Timer1_Timer();
    log.clear();
    // The player stays silent and never reports an end: nothing is retried.
    EXPECT_EQ(cycle.state(), MusicState::Playing);
    EXPECT_FALSE(timer.isEnabled());
    EXPECT_TRUE(log.empty());
    // The next change of the option still works.
    cycle.Check1_Click(0);
    EXPECT_EQ(take(), (Log{"Timer1 off", "Close"}));
}

TEST_F(MusicCycleTest, StartUpSetsZeroThenTheSavedValue) {
    // The box starts clear, so the first assignment of 0 changes nothing.
    cycle.Check1_Click(2);
    EXPECT_EQ(cycle.state(), MusicState::Suspended);
    EXPECT_FALSE(timer.isEnabled());
    for (const auto& entry : log) EXPECT_NE(entry, "Open");
    // The first layout then turns the grey box back on.
    cycle.Check1_Click(1);
    EXPECT_EQ(cycle.state(), MusicState::Waiting);
}

TEST_F(MusicCycleTest, ShutDownDisarmsTheTimerAndCloses) {
    enter(MusicState::Waiting);
    cycle.shutDown();
    EXPECT_EQ(take(), (Log{"Timer1 off", "Close"}));
    EXPECT_FALSE(timer.isEnabled());
}

TEST_F(MusicCycleTest, GoingAwayUnhooksThePlayer) {
    Log other;
    FakeMusicDevice device{other};
    FakeTimer t{other};
    FakeTrackSource s{other};
    {
        MusicCycle shortLived{device, t, s, kApp};
        EXPECT_TRUE(device.hasHandler());
    }
    EXPECT_FALSE(device.hasHandler());
}

// The state table: from each state, each event, the state it leads to.
enum class Event { Clear, Set, Grey, TimerFires, TrackEnds };

struct Transition {
    MusicState from;
    Event event;
    MusicState to;
};

class MusicStateTable : public MusicCycleTest, public ::testing::WithParamInterface<Transition> {};

TEST_P(MusicStateTable, LeadsToTheStateOfTheTable) {
    const Transition row = GetParam();
    enter(row.from);
    switch (row.event) {
        case Event::Clear:
            cycle.Check1_Click(0);
            break;
        case Event::Set:
            cycle.Check1_Click(1);
            break;
        case Event::Grey:
            cycle.Check1_Click(2);
            break;
        case Event::TimerFires:
            cycle.Timer1_Timer();
            break;
        case Event::TrackEnds:
            player.finish();
            break;
    }
    EXPECT_EQ(cycle.state(), row.to);
    // The timer runs exactly while a track is due.
    EXPECT_EQ(timer.isEnabled(), row.to == MusicState::Waiting);
}

INSTANTIATE_TEST_SUITE_P(
    AllRows, MusicStateTable,
    ::testing::Values(Transition{MusicState::Off, Event::Set, MusicState::Waiting},
                      Transition{MusicState::Off, Event::TrackEnds, MusicState::Off},
                      Transition{MusicState::Waiting, Event::TimerFires, MusicState::Playing},
                      Transition{MusicState::Waiting, Event::Clear, MusicState::Off},
                      Transition{MusicState::Waiting, Event::Grey, MusicState::Suspended},
                      Transition{MusicState::Playing, Event::TrackEnds, MusicState::Waiting},
                      Transition{MusicState::Playing, Event::Clear, MusicState::Off},
                      Transition{MusicState::Playing, Event::Grey, MusicState::Suspended},
                      Transition{MusicState::Suspended, Event::Set, MusicState::Waiting},
                      Transition{MusicState::Suspended, Event::Clear, MusicState::Off},
                      Transition{MusicState::Suspended, Event::TrackEnds, MusicState::Suspended}));

TEST(MusicTrackPath, IsTheNumberedFileInTheMusicFolder) {
    EXPECT_EQ(MusicCycle::trackPath("C:/Quellan", 1), "C:/Quellan/sound/bg/1.mp3");
    EXPECT_EQ(MusicCycle::trackPath("/opt/q", 7), "/opt/q/sound/bg/7.mp3");
}

}  // namespace
}  // namespace quellan
