// Image controls and labels report the mouse; a click needs press and
// release on the control; the window follows a drag without a window
// manager's help.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "frame/click_label.h"
#include "frame/image_control.h"
#include "frame/window_drag.h"

namespace quellan {
namespace {

class Controls : public ::testing::Test {
  protected:
    Controls() {
        window.resize(200, 100);
        image = new ImageControl(&window);
        image->setGeometry(10, 10, 30, 30);
        label = new ClickLabel(QStringLiteral("notice"), &window);
        label->setGeometry(100, 10, 60, 20);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    ImageControl* image;
    ClickLabel* label;
};

TEST_F(Controls, AClickIsALeftPressAndReleaseOnTheControl) {
    QSignalSpy clicks(image, &ImageControl::Click);
    QSignalSpy ups(image, &ImageControl::MouseUp);
    QSignalSpy downs(image, &ImageControl::MouseDown);
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(image, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseClick(image, Qt::MiddleButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    // Pressed here, released elsewhere: the release is reported, no click.
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(80, 5));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(downs.count(), 4);
    EXPECT_EQ(ups.count(), 4);
    EXPECT_EQ(downs.at(1).at(0).toInt(), 2);  // the right button's value
    EXPECT_EQ(downs.at(2).at(0).toInt(), 4);
}

TEST_F(Controls, TheLabelClicksByTheSameRule) {
    QSignalSpy clicks(label, &ClickLabel::Click);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(label, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(5, 50));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(Controls, APictureShowsAtTheTopLeftAndNoneLetsTheWindowShowThrough) {
    QPixmap red(8, 8);
    red.fill(Qt::red);
    QPalette p = window.palette();
    p.setColor(QPalette::Window, Qt::blue);
    window.setPalette(p);
    window.setAutoFillBackground(true);
    image->setPicture(red);
    QImage shot = window.grab().toImage();
    EXPECT_EQ(shot.pixelColor(12, 12), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(30, 30), QColor(Qt::blue));
    image->setPicture({});
    shot = window.grab().toImage();
    EXPECT_EQ(shot.pixelColor(12, 12), QColor(Qt::blue));
}

TEST_F(Controls, WithoutAWindowManagerTheWindowFollowsTheMouse) {
    window.move(50, 60);
    const QPoint start = window.pos();
    const QPoint pressAt = image->mapToGlobal(QPoint(5, 5));
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(5, 5));
    startWindowDrag(image, pressAt);
    // A move with the left button held, as the window system sends it.
    QMouseEvent move(QEvent::MouseMove, QPointF(25, 15), QPointF(pressAt + QPoint(20, 10)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(image, &move);
    EXPECT_EQ(window.pos(), start + QPoint(20, 10));
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(25, 15));
    QMouseEvent after(QEvent::MouseMove, QPointF(45, 15), QPointF(pressAt + QPoint(40, 10)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(image, &after);
    EXPECT_EQ(window.pos(), start + QPoint(20, 10));  // the drag ended with the release
}

}  // namespace
}  // namespace quellan
