#include "tiles.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <vector>

namespace art {

QString mingFamily() {
    for (const QString& family :
         {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW")}) {
        if (QFontDatabase::families().contains(family)) return family;
    }
    return QStringLiteral("serif");
}

namespace {

// The outlines of the characters of `name`, one per slot: all at one scale,
// the largest at which every character's ink fits its slot, and each centred
// in its slot.
std::vector<QPainterPath> glyphsInSlots(const QString& name, const std::vector<QRectF>& places,
                                        const QFont& font) {
    std::vector<QPainterPath> glyphs;
    double scale = 1e9;
    for (qsizetype i = 0; i < name.size(); ++i) {
        QPainterPath path;
        path.addText(0, 0, font, name.mid(i, 1));
        const QRectF ink = path.boundingRect();
        const QRectF& slot = places[size_t(i)];
        scale = std::min({scale, slot.width() / ink.width(), slot.height() / ink.height()});
        glyphs.push_back(path);
    }
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const QRectF ink = glyphs[i].boundingRect();
        QTransform t;
        t.translate(places[i].center().x(), places[i].center().y());
        t.scale(scale, scale);
        t.translate(-ink.center().x(), -ink.center().y());
        glyphs[i] = t.map(glyphs[i]);
    }
    return glyphs;
}

void carveName(QImage& image, QRectF area, const QString& name, const TileStyle& style) {
    const bool alongX = area.width() > area.height();
    const qsizetype count = name.size();
    // Characters read closer together side by side than stacked.
    const double cross = alongX ? area.height() : area.width();
    const double room = count * cross * (alongX ? 1.05 : 1.2);
    if (alongX && area.width() > room)
        area.adjust((area.width() - room) / 2, 0, -(area.width() - room) / 2, 0);
    if (!alongX && area.height() > room)
        area.adjust(0, (area.height() - room) / 2, 0, -(area.height() - room) / 2);
    const double step = (alongX ? area.width() : area.height()) / double(count);
    QFont font(mingFamily());
    font.setPixelSize(64);

    std::vector<QRectF> places;
    for (qsizetype i = 0; i < count; ++i) {
        QRectF slot = alongX ? QRectF(area.left() + i * step, area.top(), step, area.height())
                             : QRectF(area.left(), area.top() + i * step, area.width(), step);
        // Leave air between the characters and around them.
        const double pad = std::min(slot.width(), slot.height()) * 0.1;
        places.push_back(slot.adjusted(pad, pad, -pad, -pad));
    }

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double weight = std::min(area.width(), area.height()) / 28.0;
    for (const QPainterPath& glyph : glyphsInSlots(name, places, font)) {
        // A cut into the wood: its lower-right wall catches the light.
        p.setPen(
            QPen(QColor(255, 240, 205, 190), weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 240, 205, 190));
        p.drawPath(glyph.translated(1.0, 1.0));
        p.setPen(QPen(style.ink, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(style.ink);
        p.drawPath(glyph);
    }
}

void paintSealFrame(QImage& image, const QRectF& area, const QColor& ink) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    QColor faded = ink;
    faded.setAlpha(200);
    p.setPen(QPen(faded, 2.0));
    p.drawRoundedRect(area, 5, 5);
    p.setPen(QPen(faded, 0.8));
    p.drawRoundedRect(area.adjusted(3.5, 3.5, -3.5, -3.5), 3, 3);
}

}  // namespace

QImage carvedTile(int width, int height, const QString& name, const TileStyle& style) {
    QImage image = newPicture(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const double shortSide = std::min(width, height);
    const double radius = shortSide * 0.12;
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, width - 1.0, height - 1.0), radius, radius);

    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipPath(shape);
        p.drawImage(0, 0, woodTexture(width, height, style.wood, style.seed, width > height));
        // The middle of the face is a touch brighter, as if polished by hands.
        QRadialGradient sheen(QPointF(width * 0.4, height * 0.35), std::max(width, height) * 0.8);
        sheen.setColorAt(0.0, QColor(255, 250, 235, 60));
        sheen.setColorAt(1.0, QColor(60, 30, 10, 50));
        p.fillRect(QRect(0, 0, width, height), sheen);
    }
    const double depth = std::max(3.0, shortSide / 14.0);
    paintBevel(image, shape, depth, 200);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(60, 30, 10, 170), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    }

    QRectF area(depth + 1, depth + 1, width - 2 * depth - 2, height - 2 * depth - 2);
    if (style.sealFrame) {
        paintSealFrame(image, area.adjusted(2, 2, -2, -2), style.ink);
        area.adjust(7, 7, -7, -7);
    }
    if (!name.isEmpty()) carveName(image, area, name, style);
    return image;
}

}  // namespace art
