#include "xpbutton/paint_content.h"

#include <QRect>
#include <QString>

#include "xpbutton/paint_picture.h"

namespace quellan::xp {

namespace {

constexpr Rgb kWhiteText = 0xFFFFFF;
constexpr Rgb kGreyText = 0x808080;
constexpr int kCaptionRelief = 40;  // engraved and raised captions

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

}  // namespace

Rgb enabledCaptionColour(const ButtonState& state, Rgb textColour) {
    const ButtonProperties& p = state.props;
    if (state.isHovering && !state.pressedLook()) return ToRGB(p.hoverForeColor());
    if (p.buttonStyle() == kStyleBlackFrame && p.gradientMode() == 0) return ToRGB(textColour);
    return ToRGB(state.foreColor);
}

void PaintContent(Canvas& canvas, const ButtonState& state, Rgb fill, Rgb textColour,
                  bool valueShift, bool singlePass) {
    const ButtonProperties& p = state.props;
    const UsableSpan span = usableSpan(state);
    Box caption = state.captionRect;
    Box picture = state.pictureRect;
    // The contents follow the press by a pixel down and right (only down on
    // ellipses); the flat framed look keeps them still.
    if ((valueShift || state.pressedLook()) && p.buttonStyle() != kStyleFlatFramed) {
        const int dx = state.isElliptic() ? 0 : 1;
        caption = caption.moved(dx, 1);
        picture = picture.moved(dx, 1);
    }
    PaintPicture(canvas, state, picture, span);
    if (p.caption().isEmpty()) return;

    const QString text = displayCaption(p.caption());
    const int align = captionAlignment(p.captionAlign()) | Qt::AlignTop;
    auto draw = [&](const Box& box, Rgb colour) {
        canvas.drawText(toQRect(box), align, text, state.surfaceFont, colour);
    };

    if (state.enabled) {
        if (p.captionStyle() == 1 || p.captionStyle() == 2) {
            // Engraved: a darker copy up-left and a lighter one down-right of
            // the caption; raised: the other way round.
            const int a = p.captionStyle() == 1 ? -kCaptionRelief : kCaptionRelief;
            draw(caption.moved(-1, 0), AdjustColor(fill, a));
            draw(caption.moved(1, 2), AdjustColor(fill, -a));
            caption = caption.moved(0, 1);
        }
        draw(caption, enabledCaptionColour(state, textColour));
        return;
    }
    if (textColour == kNoColor || p.gradientMode() != 0) {
        draw(caption.moved(1, 1), kWhiteText);
        draw(caption, kGreyText);
        return;
    }
    draw(caption, textColour);
    if (!singlePass) draw(caption.moved(-1, -1), kGreyText);
}

}  // namespace quellan::xp
