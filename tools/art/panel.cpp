#include "panel.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "tiles.h"
#include "wood.h"

namespace art {

namespace {

constexpr int kFrameWidth = 10;
constexpr int kBoardBottom = kBoardRect.top() + kBoardRect.height();  // 330

QPainterPath roundedRect(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// The floor of the tray: the board's cells and the channel through the
// bottom of the frame that leads out of the exit.
QPainterPath trayFloor() {
    QPainterPath floor;
    floor.addRect(QRectF(kBoardRect));
    floor.addRect(QRectF(kExitLeft, kBoardBottom - 2, kExitRight - kExitLeft, kFrameWidth + 2));
    return floor.simplified();
}

void paintTable(QImage& panel) {
    QPainter p(&panel);
    p.drawImage(0, 0, woodTexture(kPanelWidth, kPanelHeight, kWalnut, 11u, true));
    // Darker towards the edges of the panel, as under a lamp.
    QLinearGradient down(0, 0, 0, kPanelHeight);
    down.setColorAt(0.0, QColor(255, 230, 190, 25));
    down.setColorAt(1.0, QColor(20, 8, 0, 60));
    p.fillRect(QRect(0, 0, kPanelWidth, kPanelHeight), down);
}

void paintParchment(QImage& panel) {
    const QRectF sheet(kControlsLeft + 1, 8, kPanelWidth - kControlsLeft - 8, kPanelHeight - 16);
    QPainter p(&panel);
    p.setRenderHint(QPainter::Antialiasing);
    // A soft shadow under the sheet.
    for (int i = 4; i >= 1; --i) {
        p.fillPath(roundedRect(sheet.translated(2, 2).adjusted(-i, -i, i, i), 6 + i),
                   QColor(10, 4, 0, 18));
    }
    const QPainterPath shape = roundedRect(sheet, 5);
    p.setClipPath(shape);
    p.drawImage(sheet.topLeft(),
                parchmentTexture(int(sheet.width()) + 1, int(sheet.height()) + 1, 23u));
    p.setClipping(false);
    p.setPen(QPen(QColor(120, 80, 40, 150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

void paintFrame(QImage& panel) {
    const QRectF outer =
        QRectF(kBoardRect).adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth);
    const QPainterPath frame = roundedRect(outer, 6).subtracted(trayFloor());
    QImage wood = woodTexture(kPanelWidth, kPanelHeight, kRosewood, 5u, true);
    {
        QPainter p(&panel);
        p.setRenderHint(QPainter::Antialiasing);
        // Its shadow on the table first.
        for (int i = 3; i >= 1; --i) {
            QPainterPath shadow = roundedRect(outer.translated(2, 3).adjusted(-i, -i, i, i), 6 + i)
                                      .subtracted(trayFloor());
            p.fillPath(shadow, QColor(10, 4, 0, 30));
        }
        p.setClipPath(frame);
        p.drawImage(0, 0, wood);
    }
    paintBevel(panel, frame, 4, 190);
}

void paintFloor(QImage& panel) {
    const QPainterPath floor = trayFloor();
    {
        QPainter p(&panel);
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipPath(floor);
        p.drawImage(0, 0, woodTexture(kPanelWidth, kPanelHeight, kTrayFloor, 3u, false));
        // Shallow grooves between the cells.
        for (int c = 1; c < 4; ++c) {
            const int x = kBoardRect.left() + c * kCellPixels;
            p.fillRect(QRect(x - 1, kBoardRect.top(), 1, kBoardRect.height()),
                       QColor(30, 14, 4, 90));
            p.fillRect(QRect(x, kBoardRect.top(), 1, kBoardRect.height()),
                       QColor(255, 220, 170, 35));
        }
        for (int r = 1; r < 5; ++r) {
            const int y = kBoardRect.top() + r * kCellPixels;
            p.fillRect(QRect(kBoardRect.left(), y - 1, kBoardRect.width(), 1),
                       QColor(30, 14, 4, 90));
            p.fillRect(QRect(kBoardRect.left(), y, kBoardRect.width(), 1),
                       QColor(255, 220, 170, 35));
        }
    }
    // The frame's walls throw a shadow onto the floor.
    paintBevel(panel, floor, -6, 170);
}

void paintExitMarks(QImage& panel) {
    QPainter p(&panel);
    p.setRenderHint(QPainter::Antialiasing);
    // Two small gilded arrows in the channel point the commander out.
    const QColor gold(232, 196, 112);
    const double y = kBoardBottom + kFrameWidth / 2.0;
    for (double x : {kExitLeft + 30.0, kExitRight - 30.0}) {
        QPainterPath arrow;
        arrow.moveTo(x - 5, y - 3);
        arrow.lineTo(x + 5, y - 3);
        arrow.lineTo(x, y + 3);
        arrow.closeSubpath();
        p.fillPath(arrow.translated(0.8, 0.8), QColor(20, 8, 0, 140));
        p.fillPath(arrow, gold);
    }
    QFont font(mingFamily());
    font.setPixelSize(12);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(font);
    const QRectF label(kExitLeft, kBoardBottom + kFrameWidth + 1, kExitRight - kExitLeft, 18);
    p.setPen(QColor(20, 8, 0, 160));
    p.drawText(label.translated(1, 1), Qt::AlignCenter, QStringLiteral("出口"));
    p.setPen(gold);
    p.drawText(label, Qt::AlignCenter, QStringLiteral("出口"));
}

// The game's name in the margin above the tray.
void paintTitle(QImage& panel) {
    QPainter p(&panel);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(mingFamily());
    font.setPixelSize(14);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 10);
    p.setFont(font);
    const QRectF band(kBoardRect.left(), 2, kBoardRect.width(), 17);
    const QString title = QStringLiteral("华容道");
    p.setPen(QColor(20, 8, 0, 170));
    p.drawText(band.translated(1, 1), Qt::AlignCenter, title);
    p.setPen(QColor(236, 204, 128));
    p.drawText(band, Qt::AlignCenter, title);
}

}  // namespace

QImage boardPanel() {
    QImage panel = newPicture(kPanelWidth, kPanelHeight, QImage::Format_ARGB32_Premultiplied);
    paintTable(panel);
    paintParchment(panel);
    paintFrame(panel);
    paintFloor(panel);
    paintExitMarks(panel);
    paintTitle(panel);
    return panel.convertToFormat(QImage::Format_RGB32);
}

}  // namespace art
