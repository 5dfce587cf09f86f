// The painted frame and the window region, pixel by pixel.
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>

#include "frame/frame_pictures.h"
#include "frame/skin_painter.h"
#include "platform/built_in_picture.h"

namespace quellan {
namespace {

class PaintedFrame : public ::testing::Test {
  protected:
    PaintedFrame() {
        icon = QImage(16, 16, QImage::Format_ARGB32);
        icon.fill(QColor(0, 255, 0));
        // A Latin face that every test machine has (the run under Wine brings
        // it along), not whatever the platform's default happens to be.
        surface = painted(QSize(464, 411), pictures.skin());
    }
    QImage painted(QSize size, const QImage& skin) const {
        QImage frame(size, QImage::Format_ARGB32_Premultiplied);
        frame.fill(Qt::transparent);
        QPainter p(&frame);
        paintFrame(p, size, skin, icon, QStringLiteral("Quellan 1.0.2"),
                   QFont(QStringLiteral("DejaVu Sans"), 9));
        return frame;
    }
    QRgb skinAt(int x, int y) const { return pictures.skin().pixel(x, y) | 0xFF000000u; }
    QRgb at(int x, int y) const { return surface.pixel(x, y) | 0xFF000000u; }

    FramePictures pictures;
    QImage icon;
    QImage surface;
};

TEST_F(PaintedFrame, TheSkinIsTheGamesOwnPicture) {
    ASSERT_EQ(pictures.skin().size(), QSize(271, 218));
    for (const QPixmap* p : {&pictures.minimiseHover, &pictures.minimisePressed,
                             &pictures.closeHover, &pictures.closePressed})
        EXPECT_EQ(p->size(), QSize(17, 16));
    EXPECT_EQ(pictures.help.size(), QSize(16, 16));
    EXPECT_EQ(pictures.about.size(), QSize(16, 16));
    EXPECT_EQ(pictures.web.size(), QSize(31, 31));
}

TEST_F(PaintedFrame, TheSkinAsKeptPaintsWhatTheFullColourSkinPaints) {
    // At 100 % the skin is kept as a colour table and a byte a pixel.
    ASSERT_EQ(pictures.skin().format(), QImage::Format_Indexed8);
    const QImage fullColour = pictures.skin().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(fullColour, builtInPicture(QStringLiteral(":/frame/skin.png"))
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    for (QSize size : {QSize(464, 411), QSize(301, 250), QSize(640, 533)})
        EXPECT_EQ(painted(size, pictures.skin()), painted(size, fullColour)) << size.width();
    // Packed once the window is up, it unpacks to the same picture (the one
    // kept here holds on to the unpacked pixels, so the unpacking cannot
    // find them left over in freed memory).
    const QImage unpacked = pictures.skin();
    pictures.packSkin();
    EXPECT_EQ(pictures.skin(), unpacked);
}

TEST_F(PaintedFrame, CornersAreCopiedUnstretched) {
    EXPECT_EQ(surface.size(), QSize(464, 411));
    for (int y = 0; y < 29; ++y) {
        for (int x = 0; x < 111; ++x) {
            // The caption text does not reach the top-right corner.
            ASSERT_EQ(at(353 + x, y), skinAt(160 + x, y)) << x << "," << y;
        }
    }
    for (int y = 0; y < 35; ++y)
        for (int x = 0; x < 111; ++x) ASSERT_EQ(at(353 + x, 376 + y), skinAt(160 + x, 183 + y));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 30; ++x) ASSERT_EQ(at(x, 371 + y), skinAt(x, 178 + y));
    EXPECT_EQ(at(2, 2), skinAt(2, 2));  // top left, outside the icon
}

TEST_F(PaintedFrame, EdgesAndBarsAreStretchedStrips) {
    // The left edge: skin row 59, columns 0..12, all the way down.
    for (int y = 40; y < 371; y += 37)
        for (int x = 0; x < 13; ++x) EXPECT_EQ(at(x, y), skinAt(x, 59)) << x << "," << y;
    for (int y = 40; y < 376; y += 41)
        for (int x = 0; x < 13; ++x) EXPECT_EQ(at(451 + x, y), skinAt(258 + x, 59));
    // The bottom bar between the corners: the sampled middle strip.
    for (int x = 30; x < 353; x += 29)
        for (int y = 0; y < 40; ++y) EXPECT_EQ(at(x, 371 + y), skinAt(30, 178 + y)) << x;
}

TEST_F(PaintedFrame, TheIconAndTheWhiteCaptionSitInTheTitleBar) {
    EXPECT_EQ(at(7, 5), qRgb(0, 255, 0));
    EXPECT_EQ(at(22, 20), qRgb(0, 255, 0));
    EXPECT_NE(at(23, 21), qRgb(0, 255, 0));
    // The title's letters are white; the lacquer beneath is dark red.
    auto whitish = [this](int x, int y) {
        const QColor c(at(x, y));
        return c.red() > 180 && c.green() > 180 && c.blue() > 180;
    };
    int white = 0;
    for (int y = 7; y < 27; ++y)
        for (int x = 28; x < 200; ++x) white += whitish(x, y);
    EXPECT_GT(white, 30);
    for (int y = 2; y < 7; ++y)  // above the text's top (row 0 and 1 hold the sheen)
        for (int x = 28; x < 200; ++x) ASSERT_FALSE(whitish(x, y)) << x << "," << y;
}

TEST(WindowRegion, IsTheUnionOfTheShapes) {
    const QRegion region = toRegion(frame::windowRegionShapes(6960, 6165));
    EXPECT_EQ(region.intersected(QRect(0, 0, 464, 411)).boundingRect(), QRect(0, 0, 464, 411));
    for (QPoint corner : {QPoint(0, 0), QPoint(463, 0), QPoint(0, 410), QPoint(463, 410)})
        EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
    for (QPoint inside : {QPoint(0, 5), QPoint(5, 0), QPoint(232, 205), QPoint(463, 405)})
        EXPECT_TRUE(region.contains(inside)) << inside.x() << "," << inside.y();
}

}  // namespace
}  // namespace quellan
