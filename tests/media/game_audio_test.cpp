#include "media/game_audio.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>
#include <algorithm>
#include <memory>

#include "setup/game_host.h"
#include "support/fake_music.h"

namespace quellan {
namespace {

using testing::FakeMusicDevice;
using testing::Log;

class RecordingEffects : public EffectPlayer {
  public:
    explicit RecordingEffects(Log& log) : m_log(log) {}
    void play(const std::string& path) override { m_log.push_back("effect " + path); }
    void releaseFinished() override { m_log.push_back("released"); }

  private:
    Log& m_log;
};

class GameAudioTest : public ::testing::Test {
  protected:
    GameAudioTest() {
        auto effects = std::make_unique<RecordingEffects>(log);
        auto music = std::make_unique<FakeMusicDevice>(log);
        player = music.get();
        audio = std::make_unique<GameAudio>(QStringLiteral("/games/quellan"), std::move(effects),
                                            std::move(music));
        audio->attach(&check1, &check2);
    }
    bool logged(const std::string& entry) const {
        return std::find(log.begin(), log.end(), entry) != log.end();
    }
    int effectsPlayed() const {
        return static_cast<int>(std::count_if(log.begin(), log.end(), [](const std::string& e) {
            return e.rfind("effect ", 0) == 0;
        }));
    }
    void playAllFour() {
        for (auto literal : {effects::kInit, effects::kSelect, effects::kMove, effects::kSolved})
            audio->PlayEffect(literal);
    }

    Log log;
    MusicCheckBox check1;
    QCheckBox check2;
    FakeMusicDevice* player = nullptr;
    std::unique_ptr<GameAudio> audio;
};

TEST_F(GameAudioTest, NoEffectSoundsWhileTheEffectsOptionIsClear) {
    check2.setChecked(false);
    playAllFour();
    EXPECT_EQ(effectsPlayed(), 0);
}

TEST_F(GameAudioTest, EffectsPlayTheFileBelowTheProgramFolder) {
    check2.setChecked(true);
    playAllFour();
    EXPECT_EQ(
        log,
        (Log{"effect /games/quellan/sound/init.wav", "effect /games/quellan/sound/select.wav",
             "effect /games/quellan/sound/move.wav", "effect /games/quellan/sound/overpass.wav"}));
}

TEST_F(GameAudioTest, ALiteralWithBackslashesNamesTheSameFile) {
    check2.setChecked(true);
    audio->PlayEffect("\\sound\\move.wav");
    EXPECT_EQ(log, (Log{"effect /games/quellan/sound/move.wav"}));
}

TEST_F(GameAudioTest, SwitchingTheEffectsOptionSoundsNothingByItself) {
    check2.setChecked(true);
    check2.setChecked(false);
    check2.setChecked(true);
    EXPECT_TRUE(log.empty());
}

TEST_F(GameAudioTest, ClickingTheMusicBoxArmsTimer1ForOneSecond) {
    check1.setText(QStringLiteral("背景音乐"));
    check1.resize(120, 24);
    check1.show();
    QTest::mouseClick(&check1, Qt::LeftButton, {}, check1.rect().center());
    EXPECT_TRUE(audio->isTimer1Enabled());
    EXPECT_EQ(audio->timer1Interval(), 1000);
    EXPECT_EQ(audio->cycle().state(), MusicState::Waiting);
    EXPECT_FALSE(logged("Open"));
}

TEST_F(GameAudioTest, Timer1StartsARandomTrackOfTheSeven) {
    check1.setValue(1);
    audio->Timer1_Timer();
    EXPECT_FALSE(audio->isTimer1Enabled());
    ASSERT_GE(log.size(), 4u);
    const std::string name = log[log.size() - 3];
    ASSERT_EQ(name.rfind("FileName /games/quellan/sound/bg/", 0), 0u) << name;
    const std::string file = name.substr(std::string("FileName /games/quellan/sound/bg/").size());
    EXPECT_TRUE(file.size() == 5 && file[0] >= '1' && file[0] <= '7' && file.substr(1) == ".mp3")
        << file;
    EXPECT_EQ(log.back(), "Play");
}

TEST_F(GameAudioTest, AFinishedTrackArmsTimer1OnlyWhileTheBoxIsSet) {
    check1.setValue(1);
    audio->Timer1_Timer();
    player->finish();
    EXPECT_TRUE(audio->isTimer1Enabled());

    audio->Timer1_Timer();
    check1.setValue(2);
    player->finish();
    EXPECT_FALSE(audio->isTimer1Enabled());
}

TEST_F(GameAudioTest, StartUpWithASavedGreyBoxStaysSilentUntilTheFirstLayout) {
    check1.setValue(0);
    check2.setChecked(false);
    check1.setValue(2);
    EXPECT_FALSE(audio->isTimer1Enabled());
    EXPECT_FALSE(logged("Open"));
    check1.setValue(1);
    EXPECT_TRUE(audio->isTimer1Enabled());
}

TEST_F(GameAudioTest, ShutDownDisarmsClosesAndSilencesEverything) {
    check2.setChecked(true);
    check1.setValue(1);
    log.clear();
    audio->shutDown();
    EXPECT_EQ(log, (Log{"Close"}));
    EXPECT_FALSE(audio->isTimer1Enabled());
    EXPECT_TRUE(audio->isShutDown());
    audio->shutDown();
    playAllFour();
    check1.setValue(0);
    check1.setValue(1);
    EXPECT_EQ(log, (Log{"Close"}));
    EXPECT_FALSE(audio->isTimer1Enabled());
}

TEST_F(GameAudioTest, WithoutAttachedBoxesNothingSounds) {
    GameAudio lonely(QStringLiteral("/nowhere"), std::make_unique<RecordingEffects>(log),
                     std::make_unique<FakeMusicDevice>(log));
    lonely.PlayEffect(effects::kMove);
    EXPECT_EQ(effectsPlayed(), 0);
}

TEST(GameAudioOutput, SleepsOnceTheLastEffectHasEndedAndWakesForTheNext) {
    QCheckBox effectsOn;
    effectsOn.setChecked(true);
    GameAudio audio(QStringLiteral(QUELLAN_SOUND_DIR "/.."));
    audio.attach(nullptr, &effectsOn);
    EXPECT_FALSE(AudioDevice::isAwake());  // nothing has sounded yet
    audio.PlayEffect(effects::kSelect);
    EXPECT_TRUE(AudioDevice::isAwake());
    EXPECT_TRUE(QTest::qWaitFor([] { return !AudioDevice::isAwake(); }, 20000));
    audio.PlayEffect(effects::kMove);
    EXPECT_TRUE(AudioDevice::isAwake());
}

TEST(GameAudioOutput, AnOutputPreparedAtStartUpSleepsWhenNothingComesToSound) {
    QCheckBox effectsOff;
    AudioDevice::prepareInBackground();
    GameAudio audio(QStringLiteral(QUELLAN_SOUND_DIR "/.."));
    audio.attach(nullptr, &effectsOff);
    audio.PlayEffect(effects::kInit);
    EXPECT_TRUE(QTest::qWaitFor([] { return !AudioDevice::isAwake(); }, 20000));
}

TEST(GameAudioOutput, TheEffectsLetGoOfTheirSoundOnceTheOutputSleeps) {
    Log log;
    QCheckBox effectsOn;
    effectsOn.setChecked(true);
    AudioDevice::prepareInBackground();
    GameAudio audio(QStringLiteral("/games/quellan"), std::make_unique<RecordingEffects>(log),
                    std::make_unique<FakeMusicDevice>(log));
    audio.attach(nullptr, &effectsOn);
    audio.PlayEffect(effects::kInit);
    EXPECT_TRUE(QTest::qWaitFor([] { return !AudioDevice::isAwake(); }, 20000));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "released");
}

}  // namespace
}  // namespace quellan
