#include "icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "tiles.h"
#include "wood.h"

namespace art {

namespace {

QImage transparentImage(int size) {
    QImage image = newPicture(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath roundedBar(double left, double top, double width, double height) {
    QPainterPath path;
    path.addRoundedRect(QRectF(left, top, width, height), width / 2, width / 2);
    return path;
}

// The outline of the hand: index finger up, the other fingers curled over
// the palm, the thumb along the left side.
QPainterPath handOutline() {
    QPainterPath hand = roundedBar(5.5, 0.5, 5.5, 17);  // index finger
    hand = hand.united(roundedBar(11, 8.5, 5, 11));     // middle finger
    hand = hand.united(roundedBar(16, 9.5, 5, 11));     // ring finger
    hand = hand.united(roundedBar(21, 11.5, 4.5, 10));  // little finger
    QPainterPath palm;
    palm.addRoundedRect(QRectF(5.5, 14, 20, 14.5), 5, 5);
    hand = hand.united(palm);
    QTransform tilt;
    tilt.translate(6.5, 18.5);
    tilt.rotate(-38);
    hand = hand.united(tilt.map(roundedBar(-2.4, -1, 4.8, 11)));  // thumb
    return hand.simplified();
}

}  // namespace

QImage handCursor() {
    QImage image = transparentImage(32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath hand = handOutline();
    p.fillPath(hand.translated(1.2, 1.2), QColor(0, 0, 0, 70));  // shadow
    QLinearGradient light(0, 0, 24, 30);
    light.setColorAt(0.0, QColor(255, 255, 255));
    light.setColorAt(1.0, QColor(238, 228, 208));
    p.setPen(QPen(QColor(0, 0, 0), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(light);
    p.drawPath(hand);
    // The gaps between the curled fingers.
    p.setPen(QPen(QColor(0, 0, 0, 200), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 13), QPointF(11, 17));
    p.drawLine(QPointF(16, 11.5), QPointF(16, 17));
    p.drawLine(QPointF(21, 13), QPointF(21, 18));
    return image;
}

QImage undoArrow() {
    QImage image = transparentImage(16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A path that turns back on itself, ending in an arrowhead pointing left.
    QPainterPath bend;
    bend.moveTo(5.5, 5.5);
    bend.lineTo(9.5, 5.5);
    bend.arcTo(QRectF(5.5, 5.5, 8, 8), 90, -180);
    bend.lineTo(4.5, 13.5);
    QPainterPath head;
    head.moveTo(0.8, 5.5);
    head.lineTo(6.2, 1.2);
    head.lineTo(6.2, 9.8);
    head.closeSubpath();
    const QColor edge(18, 52, 120), body(62, 128, 222);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(edge, 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(bend);
    p.setPen(QPen(edge, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(edge);
    p.drawPath(head);
    p.setPen(QPen(body, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bend);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(head);
    return image;
}

QImage windowIcon(int size) {
    const QColor red(170, 20, 24);
    if (size >= 24)
        return carvedTile(size, size, QStringLiteral("曹"), {kPaleWood, red, false, 41u});
    // Too small for a character to read: the commander's red seal on the tile.
    QImage image = carvedTile(size, size, QString(), {kPaleWood, red, false, 41u});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double inset = size * 0.27;
    const QRectF seal(inset, inset, size - 2 * inset, size - 2 * inset);
    p.setPen(QPen(QColor(255, 236, 200, 170), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(seal.translated(0.6, 0.6), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawRoundedRect(seal, 1.5, 1.5);
    return image;
}

}  // namespace art
