#include "xpbutton/paint_content.h"

#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace quellan::xp {

namespace {

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kGrey = 0x808080;

int captionAlignment(int captionAlign) {
    switch (captionAlign) {
        case kAlignLeft:
            return Qt::AlignLeft;
        case kAlignRight:
            return Qt::AlignRight;
        default:
            return Qt::AlignHCenter;
    }
}

QRect toQRect(const Box& b) { return QRect(b.left, b.top, b.right - b.left, b.bottom - b.top); }

// The disabled look of a picture: its dark parts as a light shape offset
// up-left under a grey shape.
void drawEmbossed(Canvas& canvas, const QImage& picture, int left, int top) {
    QImage shape(picture.size(), QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb px = picture.pixel(x, y);
            // On a white ground, everything not white counts as dark.
            const bool dark = qAlpha(px) >= 128 && QColor(px).rgb() != QColor(Qt::white).rgb();
            shape.setPixel(x, y, dark ? 0xFF000000u : 0u);
        }
    }
    auto tinted = [&](Rgb colour) {
        QImage t = shape;
        for (int y = 0; y < t.height(); ++y) {
            for (int x = 0; x < t.width(); ++x) {
                if (qAlpha(t.pixel(x, y)) != 0) t.setPixel(x, y, toQColor(colour).rgb());
            }
        }
        return t;
    };
    canvas.drawPicture(left - 1, top - 1, tinted(AdjustColor(0xC0C0C0, 36)));
    canvas.drawPicture(left, top, tinted(AdjustColor(0xC0C0C0, -36)));
}

}  // namespace

QImage withKeyColourTransparent(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    if (out.isNull()) return out;
    const QRgb key = out.pixel(0, 0) | 0xFF000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] | 0xFF000000u) == key) line[x] = 0;
        }
    }
    return out;
}

void PaintPicture(Canvas& canvas, const ButtonState& state, const Box& rect,
                  const UsableSpan& span) {
    const int pw = state.pictureWidth;
    const int ph = state.pictureHeight;
    if (pw + ph == 0) return;
    const int s = rect.left != state.pictureRect.left ? 1 : 0;
    const int size = state.props.storedPictureSize();
    const int W = state.width;
    const int H = state.height;
    int left = rect.left;
    int top = rect.top;
    int cx = size;
    int cy = size;
    if (size == kPictureSizeStretch) {
        left = s;
        top = s;
        cx = W + s;
        cy = H + s;
    } else if (size == kPictureSizeFit) {
        if (pw <= 0 || ph <= 0) return;
        const double k = std::min(static_cast<double>(span.usableWidth - 12) / pw,
                                  static_cast<double>(H - 12) / ph);
        cx = static_cast<int>(std::lround(k * pw));
        cy = static_cast<int>(std::lround(k * ph));
        left = (span.usableWidth - cx) / 2 + span.leftOffset + s;
        top = (H - cy) / 2 + s;
    }
    if (cx <= 0 || cy <= 0) return;

    const QImage source = state.props.picture().toImage();
    // Bitmaps scale without blending so that their transparent key colour
    // stays exact; pictures with their own alpha scale smoothly.
    QImage scaled =
        source.scaled(cx, cy, Qt::IgnoreAspectRatio,
                      state.pictureIsIcon ? Qt::SmoothTransformation : Qt::FastTransformation);
    if (scaled.isNull()) return;
    if (!state.pictureIsIcon) scaled = withKeyColourTransparent(scaled);

    if (state.enabled) {
        canvas.drawPicture(left, top, scaled);
        return;
    }
    QImage ground(cx + 1, cy + 1, QImage::Format_ARGB32);
    ground.fill(Qt::white);
    {
        QPainter painter(&ground);
        painter.drawImage(0, 0, scaled);
    }
    drawEmbossed(canvas, ground, left, top);
}

void PaintContent(Canvas& canvas, const ButtonState& state, Rgb fill, Rgb textColour,
                  bool valueShift, bool singlePass) {
    const ButtonProperties& p = state.props;
    const UsableSpan span = usableSpan(state);
    Box caption = state.captionRect;
    Box picture = state.pictureRect;
    if ((valueShift || state.pressedLook()) && p.buttonStyle() != 3) {
        const int dx = state.isElliptic() ? 0 : 1;
        caption = caption.moved(dx, 1);
        picture = picture.moved(dx, 1);
    }
    PaintPicture(canvas, state, picture, span);
    if (p.caption().isEmpty()) return;

    const QString text = displayCaption(p.caption());
    const int align = captionAlignment(p.captionAlign());
    auto draw = [&](const Box& box, Rgb colour) {
        canvas.drawText(toQRect(box), align | Qt::AlignTop, text, state.surfaceFont, colour);
    };

    if (state.enabled) {
        quint32 colour =
            (state.isHovering && !state.pressedLook()) ? p.hoverForeColor() : state.foreColor;
        if (p.buttonStyle() == 7 && p.gradientMode() == 0 &&
            !(state.isHovering && !state.pressedLook())) {
            colour = textColour;
        }
        if (p.captionStyle() == 1 || p.captionStyle() == 2) {
            const int a = p.captionStyle() == 1 ? -40 : 40;
            draw(caption.moved(-1, 0), AdjustColor(fill, a));
            draw(caption.moved(1, 2), AdjustColor(fill, -a));
            caption = caption.moved(0, 1);
        }
        draw(caption, ToRGB(colour));
        return;
    }
    if (textColour == kNoColor || p.gradientMode() != 0) {
        draw(caption.moved(1, 1), kWhite);
        draw(caption, kGrey);
        return;
    }
    draw(caption, textColour);
    if (!singlePass) draw(caption.moved(-1, -1), kGrey);
}

}  // namespace quellan::xp
