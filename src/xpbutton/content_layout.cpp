#include "xpbutton/content_layout.h"

#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <algorithm>

namespace quellan::xp {

namespace {

constexpr int kGap = 6;  // between the picture and the caption

// Edges clamped on their own into the margin box: the box shrinks rather
// than moves.
Box clampIntoMargin(Box b, int rightLimit, int height) {
    b.left = std::max(b.left, kContentMargin);
    b.top = std::max(b.top, kContentMargin);
    b.right = std::min(b.right, rightLimit);
    b.bottom = std::min(b.bottom, height - kContentMargin);
    return b;
}

}  // namespace

UsableSpan usableSpan(const ButtonState& state) {
    const int L = state.shapeLeftInset;
    const int R = state.shapeRightEdge;
    const int W = state.width;
    UsableSpan s;
    switch (state.props.buttonShape()) {
        case kShapeSlantedLeft:
            s.leftOffset = L - L / 3;
            s.rightLimit = W;
            s.usableWidth = W - s.leftOffset;
            break;
        case kShapeSlantedRight:
            s.leftOffset = 0;
            s.rightLimit = R + (W - R) / 3;
            s.usableWidth = s.rightLimit;
            break;
        case kShapeParallelogram:
            s.leftOffset = L - L / 3;
            s.rightLimit = R + (W - R) / 3;
            s.usableWidth = s.rightLimit - s.leftOffset;
            break;
        default:
            s.leftOffset = 0;
            s.rightLimit = W;
            s.usableWidth = R;
            break;
    }
    return s;
}

QString displayCaption(const QString& caption) {
    QString text = caption;
    text.replace(QStringLiteral("||"), QStringLiteral("\n"));
    return text;
}

void LayoutContent(ButtonState& state) {
    const ButtonProperties& p = state.props;
    const UsableSpan span = usableSpan(state);
    const int H = state.height;
    const int S = p.storedPictureSize();
    const int align = p.pictureAlign();

    // Space the picture takes beside, above or below the caption; the two
    // scaling sizes (40, 48) take none.
    int pLeft = 0, pRight = 0, pTop = 0, pBottom = 0;
    if (p.hasPicture() && S <= 32) {
        if (align <= kPictureBeforeCaption)
            pLeft = S;
        else if (align <= kPictureAfterCaption)
            pRight = S;
        else if (align == kPictureAbove)
            pTop = S;
        else
            pBottom = S;
    }
    const int pSide = pLeft + pRight;
    const int pVert = pTop + pBottom;

    const bool hasCaption = !p.caption().isEmpty();
    Box text;
    int th = -3;  // an empty caption counts as -3 high
    if (hasCaption) {
        const QRect box(0, 0, std::max(span.usableWidth - pSide - 12, 0),
                        std::max(H - 12 - pVert, 0));
        const QRect measured = QFontMetrics(state.surfaceFont)
                                   .boundingRect(box, Qt::TextWordWrap | Qt::TextShowMnemonic,
                                                 displayCaption(p.caption()));
        int tw = measured.width();
        th = measured.height();
        if (p.captionStyle() != 0) {
            tw += 2;
            th += 2;
        }
        text = {0, 0, tw, th};
        int dx = 0;
        switch (p.captionAlign()) {
            case kAlignLeft:
                dx = span.leftOffset + pLeft + kContentMargin + (pLeft > 0 ? kGap : 0);
                break;
            case kAlignRight:
                dx = span.rightLimit - pRight - tw - kContentMargin - (pRight > 0 ? kGap : 0);
                break;
            default:
                if (pLeft > 0 && align == kPictureBeforeCaption) {
                    dx = (span.usableWidth - (tw + pLeft + kGap)) / 2 + span.leftOffset + pLeft +
                         kGap;
                } else if (pRight > 0 && align == kPictureAfterCaption) {
                    dx = (span.usableWidth - (tw + pRight + kGap)) / 2 + span.leftOffset;
                } else {
                    dx = (span.usableWidth - pLeft - pRight - tw) / 2 + span.leftOffset + pLeft;
                }
                break;
        }
        text = text.moved(dx, 0);
    }

    Box picture;
    if (!p.hasPicture()) {
        text = text.moved(0, (H - th) / 2);
    } else if (!isAboveOrBelow(align)) {
        int left = 0;
        switch (align) {
            case kPictureLeft:
                left = span.leftOffset + kContentMargin;
                break;
            case kPictureBeforeCaption:
                left = hasCaption ? text.left - pLeft - kGap : span.leftOffset + kContentMargin;
                break;
            case kPictureRight:
                left = span.rightLimit - pRight - kContentMargin;
                break;
            default:
                left = hasCaption ? text.right + kGap : span.rightLimit - pRight - kContentMargin;
                break;
        }
        text = text.moved(0, (H - th) / 2);
        picture = {left, (H - S) / 2, 0, 0};
    } else {
        const int left = span.leftOffset + (span.usableWidth - S) / 2;
        if (align == kPictureAbove) {
            const int b = (H - (th + pTop)) / 2;
            picture = {left, b, 0, 0};
            text = text.moved(0, b + pTop + 2);
        } else {
            const int d = (H - (th + pBottom)) / 2;
            text = text.moved(0, d + 1);
            picture = {left, th + d + 3, 0, 0};
        }
    }
    picture.right = picture.left + S;
    picture.bottom = picture.top + S;

    state.captionRect = clampIntoMargin(text, span.rightLimit, H);
    state.pictureRect = clampIntoMargin(picture, span.rightLimit, H);
}

}  // namespace quellan::xp
