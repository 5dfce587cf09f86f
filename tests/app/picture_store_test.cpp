// The pictures decoded at start-up on a thread of their own are the game's
// picture files, each where the pieces ask for it.
#include "app/picture_store.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

namespace quellan {
namespace {

QImage file(const QString& name) {
    return QImage(QStringLiteral(QUELLAN_ASSETS_DIR "/pictures/") + name)
        .convertToFormat(QImage::Format_ARGB32);
}

QImage shown(const QImage& picture) { return picture.convertToFormat(QImage::Format_ARGB32); }
QImage shown(const QPixmap& picture) { return shown(picture.toImage()); }

TEST(PictureStore, PicturesDecodedInTheBackgroundAreTheGamesPictureFiles) {
    PictureStore::decodeInBackground();
    const PictureStore store;
    EXPECT_EQ(shown(store.board().toImage()), file("board.png"));
    EXPECT_EQ(shown(store.piece({1, 1})), file("commander.png"));
    EXPECT_EQ(shown(store.piece({7, 1})), file("soldier.png"));
    for (int general = 2; general <= 6; ++general) {
        SCOPED_TRACE(general);
        EXPECT_EQ(shown(store.piece({general, 1})),
                  file(QStringLiteral("general%1_upright.png").arg(general)));
        EXPECT_EQ(shown(store.piece({general, 2})),
                  file(QStringLiteral("general%1_lying.png").arg(general)));
    }
    EXPECT_EQ(shown(store.windowIcon()), file("icon.png"));
    EXPECT_EQ(shown(store.undoIcon()), file("undo.png"));
}

// A picture of noise, so that every pixel tells where it came from.
QImage noise(QSize pixels, qreal ratio) {
    QImage picture(pixels, QImage::Format_RGB888);
    QRandomGenerator random(7);
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) picture.setPixel(x, y, random.generate());
    picture.setDevicePixelRatio(ratio);
    return picture;
}

// What the game panel shows after a repaint of `area` over magenta.
QImage repainted(const BoardPicture& board, const QImage& picture, const QRect& area) {
    QImage canvas(picture.size(), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(picture.devicePixelRatio());
    canvas.fill(Qt::magenta);
    QPainter painter(&canvas);
    painter.setClipRect(area);
    board.paint(painter, area);
    return canvas;
}

TEST(PictureStore, ThePackedBoardPaintsWhatTheDecodedOneDid) {
    struct Case {
        qreal ratio;
        QSize pixels;
        QRect area;  // in device independent pixels
    };
    const Case cases[] = {
        {1.0, {200, 130}, {0, 0, 200, 130}},  // the whole, with partial tiles at the edges
        {1.0, {200, 130}, {60, 62, 10, 5}},   // across tile edges
        {1.0, {200, 130}, {127, 64, 1, 1}},   // one pixel at a tile's corner
        {1.5, {300, 195}, {42, 42, 1, 1}},    // one pixel whose image pixels straddle a tile edge
        {1.5, {300, 195}, {150, 100, 50, 30}}, {1.25, {250, 163}, {51, 0, 3, 130}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("ratio %1, area %2,%3 %4x%5")
                         .arg(c.ratio)
                         .arg(c.area.x())
                         .arg(c.area.y())
                         .arg(c.area.width())
                         .arg(c.area.height())
                         .toStdString());
        const QImage picture = noise(c.pixels, c.ratio);
        BoardPicture board;
        board.setPicture(picture);
        const QImage before = repainted(board, picture, c.area);
        board.pack();
        QElapsedTimer waited;
        waited.start();
        while (!board.isPacked() && waited.elapsed() < 10000) QCoreApplication::processEvents();
        ASSERT_TRUE(board.isPacked());
        EXPECT_EQ(repainted(board, picture, c.area), before);
        EXPECT_EQ(board.toImage(), picture);
    }
}

}  // namespace
}  // namespace quellan
