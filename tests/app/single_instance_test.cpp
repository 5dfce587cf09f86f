// One copy of the game per user: a second copy ends at once, and a lock left
// by a copy that crashed does not keep the game from starting.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "platform/single_instance.h"

namespace quellan {
namespace {

class GameProcess : public ::testing::Test {
  protected:
    GameProcess() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_home.path());
        env.insert("XDG_CONFIG_HOME", m_home.path() + "/config");
        env.insert("XDG_RUNTIME_DIR", m_home.path());
        env.insert("TMP", m_home.path());  // the lock's folder on Windows
        env.insert("TEMP", m_home.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", "dummy");
        m_env = env;
    }
    std::unique_ptr<QProcess> launch() {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(m_env);
        p->start(QUELLAN_GAME_EXE, {});
        EXPECT_TRUE(p->waitForStarted(5000));
        return p;
    }
    // Waits until a running copy holds the lock and has written its name in it.
    bool waitForLock() {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000) {
            if (QFileInfo(m_home.path() + "/quellan.lock").size() > 0) return true;
            QTest::qWait(20);
        }
        return false;
    }

    QTemporaryDir m_home;
    QProcessEnvironment m_env;
};

TEST_F(GameProcess, ASecondCopyEndsAtOnceAndSilently) {
    auto first = launch();
    ASSERT_TRUE(waitForLock());
    QElapsedTimer t;
    t.start();
    auto second = launch();
    ASSERT_TRUE(second->waitForFinished(5000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    first->terminate();
    first->waitForFinished(5000);
}

TEST_F(GameProcess, ALockLeftByACrashedCopyIsTakenOver) {
    auto crashed = launch();
    ASSERT_TRUE(waitForLock());
    crashed->kill();  // no chance to remove its lock
    crashed->waitForFinished(5000);
    ASSERT_TRUE(QFile::exists(m_home.path() + "/quellan.lock"));
    auto next = launch();
    EXPECT_FALSE(next->waitForFinished(1500)) << "the new copy should keep running";
    next->terminate();
    next->waitForFinished(5000);
}

TEST(SingleInstance, OneHolderAtATimeAndFreeAfterRelease) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/lock";
    {
        SingleInstance first(path);
        ASSERT_TRUE(first.acquire());
        SingleInstance second(path);
        EXPECT_FALSE(second.acquire());
    }
    SingleInstance third(path);
    EXPECT_TRUE(third.acquire());
}

TEST(SingleInstance, AnOldLockThatNamesNoProcessIsTakenOver) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/lock";
    QFile empty(path);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    EXPECT_FALSE(SingleInstance(path).acquire()) << "a copy may be writing it right now";
    ASSERT_TRUE(empty.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                  QFileDevice::FileModificationTime));
    empty.close();
    EXPECT_TRUE(SingleInstance(path).acquire());
}

}  // namespace
}  // namespace quellan
