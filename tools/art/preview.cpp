#include "preview.h"

#include <QFont>
#include <QPainter>

#include "panel.h"
#include "tiles.h"

namespace art {

namespace {

struct Placement {
    int index;
    bool upright;
    int cell;
};

// The start-up arrangement, general 2 lying.
constexpr Placement kHengDaoLiMa[] = {
    {1, false, 2}, {2, false, 10}, {3, true, 1},   {4, true, 4},   {5, true, 9},
    {6, true, 12}, {7, false, 14}, {8, false, 15}, {9, false, 17}, {10, false, 20},
};

// A piece as the button widget shows it: a light bevelled face with the
// picture inside, 6 pixels from the edge.
void drawPiece(QPainter& p, const QRect& rect, const QImage& picture) {
    p.fillRect(rect, QColor(240, 240, 240));
    p.setPen(QColor(255, 255, 255));
    p.drawLine(rect.topLeft(), rect.topRight());
    p.drawLine(rect.topLeft(), rect.bottomLeft());
    p.setPen(QColor(105, 105, 105));
    p.drawLine(rect.bottomLeft(), rect.bottomRight());
    p.drawLine(rect.topRight(), rect.bottomRight());
    p.setPen(QColor(160, 160, 160));
    p.drawLine(rect.bottomLeft() + QPoint(1, -1), rect.bottomRight() + QPoint(-1, -1));
    p.drawLine(rect.topRight() + QPoint(-1, 1), rect.bottomRight() + QPoint(-1, -1));
    const QRect inner = rect.adjusted(6, 6, -6, -6);
    const QImage fitted =
        picture.scaled(inner.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage(inner.center() - QPoint(fitted.width() / 2, fitted.height() / 2) + QPoint(1, 1),
                fitted);
}

void drawText(QPainter& p, int x, int y, const QString& text, const QColor& colour) {
    p.setPen(colour);
    p.drawText(QPoint(x, y + 11), text);
}

void drawControls(QPainter& p, const QImage& undo) {
    QFont font(mingFamily());
    font.setPixelSize(12);  // 9 points
    p.setFont(font);
    const QColor black(0, 0, 0);
    drawText(p, 312, 34, QStringLiteral("当前阵型："), black);
    p.fillRect(QRect(296, 48, 89, 20), Qt::white);
    p.setPen(QColor(120, 120, 120));
    p.drawRect(QRect(296, 48, 88, 19));
    drawText(p, 300, 52, QStringLiteral("横刀立马"), black);
    drawText(p, 288, 88, QStringLiteral("最佳步数记录："), black);
    drawText(p, 372, 88, QStringLiteral("116"), QColor(255, 0, 0));
    drawText(p, 288, 112, QStringLiteral("记录创造者："), black);
    drawText(p, 360, 112, QStringLiteral("无记录"), black);
    drawText(p, 288, 152, QStringLiteral("当前的步数："), black);
    drawText(p, 364, 152, QStringLiteral("0"), QColor(0, 0, 255));
    const QRect button(296, 176, 97, 33);
    p.fillRect(button, QColor(240, 240, 240));
    p.setPen(QColor(120, 120, 120));
    p.drawRect(button.adjusted(0, 0, -1, -1));
    p.drawImage(button.left() + 14, button.top() + 9, undo);
    drawText(p, button.left() + 36, button.top() + 11, QStringLiteral("撤消一步"), black);
    for (int y : {240, 264}) {
        p.fillRect(QRect(312, y + 3, 12, 12), Qt::white);
        p.setPen(QColor(80, 80, 80));
        p.drawRect(QRect(312, y + 3, 11, 11));
    }
    drawText(p, 328, 242, QStringLiteral("游戏音效"), black);
    drawText(p, 328, 266, QStringLiteral("背景音乐"), black);
}

}  // namespace

QImage gamePreview(const QImage& board, const PieceArt& pieces, const QImage& undo,
                   const QImage& cursor) {
    QImage preview = board.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&preview);
    for (const Placement& piece : kHengDaoLiMa) {
        const QPoint at(kBoardRect.left() + kCellPixels * ((piece.cell - 1) % 4),
                        kBoardRect.top() + kCellPixels * ((piece.cell - 1) / 4));
        if (piece.index == 1) {
            drawPiece(p, QRect(at, QSize(120, 120)), pieces.commander);
        } else if (piece.index <= 6) {
            const size_t g = size_t(piece.index - 2);
            drawPiece(p, QRect(at, piece.upright ? QSize(60, 120) : QSize(120, 60)),
                      piece.upright ? pieces.upright[g] : pieces.lying[g]);
        } else {
            drawPiece(p, QRect(at, QSize(60, 60)), pieces.soldier);
        }
    }
    drawControls(p, undo);
    p.drawImage(QPoint(180, 160), cursor);
    return preview;
}

QImage magnified(const std::array<QImage, 4>& images, int zoom) {
    QImage sheet(zoom * (32 + 8) * int(images.size()), zoom * 32,
                 QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(200, 200, 200));
    QPainter p(&sheet);
    // A chequer behind the images shows their transparent parts.
    for (int y = 0; y < sheet.height(); y += 8) {
        for (int x = (y / 8 % 2) * 8; x < sheet.width(); x += 16)
            p.fillRect(x, y, 8, 8, QColor(170, 170, 170));
    }
    int x = 0;
    for (const QImage& image : images) {
        p.drawImage(QRect(x, 0, image.width() * zoom, image.height() * zoom), image);
        x += zoom * (32 + 8);
    }
    return sheet;
}

}  // namespace art
