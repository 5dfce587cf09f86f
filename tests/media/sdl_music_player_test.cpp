#include "media/sdl_music_player.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QThread>

namespace quellan {
namespace {

const std::string kShortTrack = std::string(QUELLAN_MEDIA_TEST_DATA) + "/short.mp3";
constexpr int kPatienceMs = 10000;

class SdlMusicPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(device.isOpen());
        player.setCompletionHandler([this] {
            ++completions;
            onGameThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        });
    }
    void start(const std::string& path) {
        player.close();
        player.setFileName(path);
        player.open();
        player.play();
    }

    AudioDevice device;
    SdlMusicPlayer player{device};
    QSignalSpy finished{&player, &SdlMusicPlayer::trackFinished};
    int completions = 0;
    bool onGameThread = false;
};

TEST_F(SdlMusicPlayerTest, ATrackPlayedToItsEndIsReportedOnTheGameThread) {
    start(kShortTrack);
    EXPECT_TRUE(player.isTrackOpen());
    EXPECT_TRUE(player.isPlaying());
    ASSERT_TRUE(finished.wait(kPatienceMs));
    EXPECT_EQ(completions, 1);
    EXPECT_TRUE(onGameThread);
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(SdlMusicPlayerTest, AClosedTrackRaisesNoCompletion) {
    start(kShortTrack);
    player.close();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_FALSE(player.isTrackOpen());
    // The next track's end is the only report that arrives.
    start(kShortTrack);
    ASSERT_TRUE(finished.wait(kPatienceMs));
    QCoreApplication::processEvents();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(SdlMusicPlayerTest, ATrackReplacedByMmcPlayRaisesNoCompletion) {
    start(kShortTrack);
    start(kShortTrack);
    start(kShortTrack);
    ASSERT_TRUE(finished.wait(kPatienceMs));
    QCoreApplication::processEvents();
    EXPECT_EQ(completions, 1);
}

TEST_F(SdlMusicPlayerTest, AMissingFileIsSilent) {
    start(std::string(QUELLAN_MEDIA_TEST_DATA) + "/no-such-track.mp3");
    EXPECT_FALSE(player.isTrackOpen());
    EXPECT_FALSE(player.isPlaying());
    player.close();
    EXPECT_EQ(completions, 0);
}

TEST_F(SdlMusicPlayerTest, CloseWithNothingOpenIsHarmless) {
    player.close();
    player.close();
    player.play();
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(SdlMusicPlayerTest, AClosedDeviceIsSilentAndSafe) {
    device.release();
    start(kShortTrack);
    EXPECT_FALSE(player.isTrackOpen());
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(SdlMusicPlayerTest, AReportStillQueuedWhenThePlayerGoesIsDropped) {
    auto shortLived = std::make_unique<SdlMusicPlayer>(device);
    int reports = 0;
    shortLived->setCompletionHandler([&reports] { ++reports; });
    shortLived->setFileName(kShortTrack);
    shortLived->open();
    shortLived->play();
    shortLived.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(reports, 0);
}

}  // namespace
}  // namespace quellan
