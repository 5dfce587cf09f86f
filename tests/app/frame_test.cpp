// The main window's own frame: layout, outline, painted skin, dragging, the
// caption buttons, the close question, minimise and restore.
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>

#include "app/board_panel.h"
#include "frame/click_label.h"
#include "frame/image_control.h"
#include "frame/skin_painter.h"
#include "frame_model/frame_geometry.h"
#include "media/game_audio.h"
#include "tests/app/app_fixture.h"
#include "tests/app/game_driver.h"
#include "tests/app/window_parts.h"

namespace quellan {
namespace {

using namespace quellan::testing;

class Frame : public AppFixture {
  protected:
    void SetUp() override { ship("横刀立马"); }
    QString storedSetting(const QString& key) {
        return QSettings("Quellan", "Quellan").value("SetLog/" + key).toString();
    }
    void storePosition(int x, int y) {
        QSettings s("Quellan", "Quellan");
        s.setValue("SetLog/frmMainX", QString::number(x));
        s.setValue("SetLog/frmMainY", QString::number(y));
    }
    QSize screenTwips() const {
        return QGuiApplication::primaryScreen()->geometry().size() * kTwipsPerPixel;
    }
    // A move with the left button held, as the window system sends it
    // while the mouse drags.
    static void dragTo(QWidget* w, QPoint local) {
        QMouseEvent e(QEvent::MouseMove, QPointF(local), QPointF(w->mapToGlobal(local)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
};

TEST_F(Frame, HasNoSystemFrameAndLaysItsControlsOut) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(IMBar(*window)->geometry(), QRect(48, 0, 419, 25));
    EXPECT_EQ(Immin(*window)->geometry(), QRect(422, 5, 17, 16));
    EXPECT_EQ(Imclose(*window)->geometry(), QRect(443, 5, 17, 16));
    const QLabel* notice = LbBR(*window);
    EXPECT_EQ(notice->geometry().right(), 464 - 8 - 1);
    EXPECT_EQ(notice->geometry().bottom(), 411 - 5 - 1);
    EXPECT_EQ(notice->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(notice->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(Immin(*window)->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(Imclose(*window)->cursor().shape(), Qt::BitmapCursor);
    // Both buttons show the skin beneath them until the mouse comes.
    EXPECT_TRUE(Immin(*window)->picture().isNull());
    EXPECT_TRUE(Imclose(*window)->picture().isNull());
}

TEST_F(Frame, IsCutToItsRoundedOutline) {
    ASSERT_TRUE(start());
    EXPECT_EQ(window->mask(), toRegion(frame::windowRegionShapes(6960, 6165)));
    EXPECT_FALSE(window->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(window->mask().contains(QPoint(232, 2)));
}

TEST_F(Frame, ThePaintedFrameSurvivesRepaints) {
    ASSERT_TRUE(start());
    const QImage& surface = inside(*window).frameSurface();
    ASSERT_EQ(surface.size(), QSize(464, 411));
    for (int i = 0; i < 2; ++i) {  // painted by the resize, then repainted twice
        const QImage shot = window->grab().toImage();
        for (QPoint p : {QPoint(2, 200), QPoint(200, 3), QPoint(200, 400), QPoint(462, 100),
                         QPoint(380, 2), QPoint(12, 10)}) {
            SCOPED_TRACE(::testing::Message() << "pixel " << p.x() << "," << p.y());
            EXPECT_EQ(shot.pixel(p) | 0xFF000000u, surface.pixel(p) | 0xFF000000u);
        }
        window->repaint();
    }
}

TEST_F(Frame, ARememberedPositionIsKeptOnTheScreen) {
    const QSize screen = screenTwips();
    struct Case {
        int x, y, keptX, keptY;
    };
    const Case cases[] = {
        {-3000, -15, 0, 0},
        {screen.width(), 1500, screen.width() - 6960, 1500},
        {1500, screen.height() + 90, 1500, screen.height() - 6165},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "remembered at " << c.x << "," << c.y);
        storePosition(c.x, c.y);
        ASSERT_TRUE(start());
        EXPECT_EQ(inside(*window).FormX(), c.keptX);
        EXPECT_EQ(inside(*window).FormY(), c.keptY);
        EXPECT_EQ(window->pos(), QPoint(c.keptX / 15, c.keptY / 15));
        window.reset();
    }
}

TEST_F(Frame, ALeftPressOnTheFrameTheStripOrTheMarginDragsTheWindow) {
    ASSERT_TRUE(start());
    const int formX = inside(*window).FormX();
    struct Case {
        QWidget* pressed;
        QPoint at;
    };
    const Case cases[] = {{window.get(), QPoint(2, 200)},
                          {IMBar(*window), QPoint(100, 10)},
                          {Picture1(*window), QPoint(10, 350)}};  // the board's margin
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pressed->objectName().toStdString());
        const QPoint before = window->pos();
        QTest::mousePress(c.pressed, Qt::RightButton, {}, c.at);
        QTest::mouseRelease(c.pressed, Qt::RightButton, {}, c.at);
        QTest::mousePress(c.pressed, Qt::MiddleButton, {}, c.at);
        QTest::mouseRelease(c.pressed, Qt::MiddleButton, {}, c.at);
        dragTo(c.pressed, c.at + QPoint(30, 20));
        EXPECT_EQ(window->pos(), before);
        QTest::mousePress(c.pressed, Qt::LeftButton, {}, c.at);
        dragTo(c.pressed, c.at + QPoint(30, 20));
        QTest::mouseRelease(c.pressed, Qt::LeftButton, {}, c.at + QPoint(30, 20));
        EXPECT_EQ(window->pos(), before + QPoint(30, 20));
    }
    EXPECT_EQ(inside(*window).FormX(), formX);  // a drag is not remembered
    EXPECT_EQ(inside(*window).game().stepCount, 0);
}

TEST_F(Frame, CaptionButtonsHoverPressAndNeedTheReleaseOnThem) {
    ASSERT_TRUE(start());
    ImageControl* close = Imclose(*window);
    ImageControl* minimise = Immin(*window);
    QTest::mouseMove(minimise, QPoint(5, 5));
    EXPECT_EQ(inside(*window).imminState().tag(), "1");
    EXPECT_EQ(minimise->picture().cacheKey(),
              inside(*window).framePictures().minimiseHover.cacheKey());
    QTest::mouseMove(close, QPoint(5, 5));
    EXPECT_EQ(close->picture().cacheKey(), inside(*window).framePictures().closeHover.cacheKey());
    // Moving straight onto the board leaves both hover pictures up.
    QTest::mouseMove(Picture1(*window), QPoint(100, 100));
    EXPECT_EQ(inside(*window).imminState().tag(), "1");
    EXPECT_EQ(inside(*window).imcloseState().tag(), "1");
    // The drag strip takes them away.
    QTest::mouseMove(IMBar(*window), QPoint(100, 10));
    EXPECT_TRUE(minimise->picture().isNull());
    EXPECT_TRUE(close->picture().isNull());
    EXPECT_EQ(inside(*window).imcloseState().tag(), "");

    QTest::mouseMove(close, QPoint(5, 5));
    QTest::mousePress(close, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(close->picture().cacheKey(), inside(*window).framePictures().closePressed.cacheKey());
    QTest::mouseRelease(close, Qt::LeftButton, {}, QPoint(-60, 40));
    EXPECT_TRUE(close->picture().isNull());
    EXPECT_EQ(inside(*window).imcloseState().tag(), "");
    QTest::qWait(20);
    EXPECT_TRUE(boxes.seen.empty());  // no close question
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Frame, NoInTheCloseQuestionLeavesTheGameAsItWas) {
    ASSERT_TRUE(start());
    pressPiece(*window, 9);
    pressBoard(*window, 1800, 4500);
    const std::string position = inside(*window).game().board.positionEntry();
    QTest::mouseClick(Imclose(*window), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "你确定要关闭并结束程序吗？");
    EXPECT_EQ(boxes.seen[0].caption, "Quellan");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Question);
    EXPECT_EQ(boxes.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(boxes.seen[0].defaultButton, QMessageBox::No);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(inside(*window).game().stepCount, 1);
    EXPECT_EQ(inside(*window).game().board.positionEntry(), position);
    EXPECT_NE(inside(*window).audio()->cycle().state(), MusicState::Off);  // the music goes on
    EXPECT_EQ(storedSetting("frmMainX"), "");                              // nothing saved
}

TEST_F(Frame, YesInTheCloseQuestionSavesTheSettingsAndCloses) {
    ASSERT_TRUE(start());
    window->move(40, 30);
    boxes.choices = {QMessageBox::Yes};
    QTest::mouseClick(Imclose(*window), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(storedSetting("frmMainX"), "600");
    EXPECT_EQ(storedSetting("frmMainY"), "450");
    EXPECT_EQ(storedSetting("MapFileName"), "横刀立马");
    EXPECT_FALSE(inside(*window).audio()->isTimer1Enabled());
}

TEST_F(Frame, RestoringReturnsToWhereTheMinimiseButtonWasClicked) {
    ASSERT_TRUE(start());
    window->move(120, 90);  // dragged somewhere first
    QTest::mouseClick(Immin(*window), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(window->isMinimized());
    EXPECT_EQ(inside(*window).FormX(), 1800);
    EXPECT_EQ(inside(*window).FormY(), 1350);
    window->move(300, 200);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(window->pos(), QPoint(120, 90));
}

}  // namespace
}  // namespace quellan
