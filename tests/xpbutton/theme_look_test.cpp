// Pixel checks of the theme look (ButtonStyle 2) on a 60 x 60 piece whose
// face is RGB(212, 208, 200), lightened to RGB(255, 255, 250).
#include <gtest/gtest.h>

#include <QPainter>

#include "widget_fixture.h"

namespace quellan::testing {
namespace {

constexpr QRgb kFrame = rgb(0, 60, 115);

TEST(ThemeLook, FrameAndTrimmedCornersAtRest) {
    HostedButton w;
    EXPECT_EQ(w.at(30, 0), kFrame);
    EXPECT_EQ(w.at(0, 30), kFrame);
    EXPECT_EQ(w.at(59, 30), kFrame);
    EXPECT_EQ(w.at(30, 59), kFrame);
    for (QPoint p : {QPoint(1, 1), QPoint(1, 58), QPoint(58, 1), QPoint(58, 58)}) {
        EXPECT_EQ(w.at(p.x(), p.y()), kFrame) << p.x() << "," << p.y();
    }
    const QRegion mask = w.button->mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(1, 0)));
    EXPECT_FALSE(mask.contains(QPoint(59, 59)));
    EXPECT_TRUE(mask.contains(QPoint(1, 1)));
    EXPECT_TRUE(mask.contains(QPoint(2, 0)));
}

TEST(ThemeLook, RingsAtRest) {
    HostedButton w;
    EXPECT_EQ(w.at(2, 30), rgb(245, 245, 237));   // inner left A(-10)
    EXPECT_EQ(w.at(30, 2), rgb(255, 255, 255));   // inner top A(+10)
    EXPECT_EQ(w.at(57, 30), rgb(231, 231, 219));  // inner right A(-24)
    EXPECT_EQ(w.at(30, 57), rgb(223, 223, 209));  // inner bottom A(-32)
    EXPECT_EQ(w.at(1, 30), rgb(250, 250, 244));   // middle left A(-5)
    EXPECT_EQ(w.at(58, 30), rgb(219, 219, 204));  // middle right A(-36)
    EXPECT_EQ(w.at(30, 58), rgb(207, 207, 188));  // middle bottom A(-48)
}

TEST(ThemeLook, FaceDarkensFromTopToBottom) {
    HostedButton w;
    EXPECT_EQ(w.at(30, 3), rgb(254, 254, 249));   // -25*3/60 = -1.25 -> -1
    EXPECT_EQ(w.at(30, 6), rgb(253, 253, 248));   // -2.5 -> -2 (ties to even)
    EXPECT_EQ(w.at(30, 18), rgb(247, 247, 240));  // -7.5 -> -8 (ties to even)
    EXPECT_EQ(w.at(30, 56), rgb(232, 232, 221));  // -23.3 -> -23
    EXPECT_EQ(w.at(10, 40), w.at(50, 40));        // rows are even from side to side
}

TEST(ThemeLook, FocusShowsTheBlueRing) {
    HostedButton w;
    w.button->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(w.button->hasFocus());
    EXPECT_EQ(w.at(2, 30), rgb(181, 209, 240));
    EXPECT_EQ(w.at(30, 58), rgb(107, 130, 239));
    w.button->setShowFocusRect(false);
    EXPECT_EQ(w.at(2, 30), rgb(245, 245, 237));
}

TEST(ThemeLook, HoverShowsTheOrangeRing) {
    HostedButton w;
    QTest::mouseMove(w.button, QPoint(30, 30));
    EXPECT_EQ(w.at(2, 30), rgb(255, 203, 107));
    EXPECT_EQ(w.at(30, 58), rgb(231, 150, 0));
}

TEST(ThemeLook, PressedRingAndPressedFace) {
    HostedButton w;
    QTest::mouseMove(w.button, QPoint(30, 30));
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(w.at(2, 30), rgb(233, 233, 222));   // inner left A(-22)
    EXPECT_EQ(w.at(57, 30), rgb(255, 255, 250));  // inner right: the face itself
    EXPECT_EQ(w.at(30, 3), rgb(222, 222, 208));   // pressed face RGB(223,223,209), row 3
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(w.at(30, 3), rgb(254, 254, 249));
}

TEST(ThemeLook, DisabledShowsOnlyTheFrameInAPaleColour) {
    HostedButton w;
    w.button->setEnabled(false);
    EXPECT_EQ(w.at(30, 0), rgb(171, 171, 141));
    EXPECT_EQ(w.at(1, 1), rgb(171, 171, 141));
    EXPECT_EQ(w.at(2, 30), rgb(231, 231, 219));  // solid face AdjustColor(face, -24)
    EXPECT_EQ(w.at(30, 50), rgb(231, 231, 219));
}

TEST(ThemeLook, PaintEventPresentsTheSurface) {
    HostedButton w;
    const QImage shown = w.button->grab().toImage();
    EXPECT_EQ(shown.pixel(30, 0) & 0xFFFFFF, kFrame);
    EXPECT_EQ(shown.pixel(30, 6) & 0xFFFFFF, rgb(253, 253, 248));
}

TEST(ThemeLook, ResizeRebuildsTheSurface) {
    HostedButton w;
    w.button->resize(120, 60);
    EXPECT_EQ(w.button->surface().size(), QSize(120, 60));
    EXPECT_EQ(w.at(119, 30), kFrame);
    EXPECT_EQ(w.at(118, 1), kFrame);
    EXPECT_FALSE(w.button->mask().contains(QPoint(119, 0)));
}

QPixmap keyedPicture(int w, int h) {
    // Magenta top-left pixel (the transparent key), green elsewhere.
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0, 160, 0));
    img.setPixel(0, 0, qRgb(255, 0, 255));
    return QPixmap::fromImage(img);
}

TEST(PiecePicture, SmallPictureIsScaledIntoTheMargin) {
    HostedButton w;
    w.button->setPicture(keyedPicture(32, 32));  // k = 48 / 32 = 1.5
    const QRgb green = rgb(0, 160, 0);
    EXPECT_EQ(w.at(53, 53), green);
    EXPECT_EQ(w.at(53, 30), green);
    EXPECT_EQ(w.at(8, 8), green);
    EXPECT_NE(w.at(54, 30), green);
    EXPECT_NE(w.at(30, 5), green);
    EXPECT_NE(w.at(5, 30), green);
    // The key colour is transparent: the face shows through.
    EXPECT_EQ(w.at(6, 6), rgb(253, 253, 248));
}

TEST(PiecePicture, TallPictureKeepsItsAspectRatio) {
    HostedButton w(QSize(60, 120));
    w.button->setPicture(keyedPicture(48, 108));  // k = min(48/48, 108/108) = 1
    const QRgb green = rgb(0, 160, 0);
    EXPECT_EQ(w.at(6, 113), green);
    EXPECT_EQ(w.at(53, 113), green);
    EXPECT_NE(w.at(53, 114), green);
    EXPECT_NE(w.at(54, 60), green);
}

TEST(PiecePicture, PressedPictureMovesOnePixel) {
    HostedButton w;
    w.button->setPicture(keyedPicture(48, 48));
    QTest::mouseMove(w.button, QPoint(30, 30));
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    const QRgb green = rgb(0, 160, 0);
    EXPECT_EQ(w.at(54, 54), green);
    EXPECT_NE(w.at(6, 30), green);
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(w.at(6, 30), green);
    EXPECT_NE(w.at(54, 30), green);
}

TEST(UndoButton, IconLeftOfACentredCaption) {
    HostedButton w(QSize(97, 33));
    w.button->setPictureAlign(0);
    w.button->setPictureSize(0);
    w.button->setForeColor(0);
    // An icon: its own alpha, one transparent pixel top-left.
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(QColor(200, 0, 0));
    icon.setPixel(0, 0, 0);
    w.button->setPicture(QPixmap::fromImage(icon));
    w.button->setCaption(QStringLiteral("撤消一步"));
    const QRgb red = rgb(200, 0, 0);
    EXPECT_NE(w.at(6, 8), red);
    EXPECT_EQ(w.at(7, 8), red);
    EXPECT_EQ(w.at(21, 23), red);
    EXPECT_NE(w.at(22, 15), red);
    EXPECT_NE(w.at(5, 15), red);
    // The caption's ink lies right of the icon, centred in the rest.
    int minX = 97, maxX = -1;
    for (int y = 3; y < 30; ++y)
        for (int x = 23; x < 94; ++x)
            if (qRed(w.at(x, y)) < 100) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    ASSERT_GT(maxX, minX);
    EXPECT_GT(minX, 22);
    EXPECT_NEAR((minX + maxX) / 2.0, (16 + 97) / 2.0, 3.0);
    EXPECT_GT(maxX - minX, 30);  // four characters at 12 pixels
}

TEST(UndoButton, SongFaceIsSubstituted) {
    HostedButton w(QSize(97, 33));
    const QFontInfo info(w.button->renderState().surfaceFont);
    EXPECT_TRUE(info.family().contains(QStringLiteral("UMing"))) << info.family().toStdString();
    EXPECT_EQ(info.pixelSize(), 12);
}

}  // namespace
}  // namespace quellan::testing
