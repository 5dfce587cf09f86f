#include "xpbutton/content_layout.h"

#include <gtest/gtest.h>

#include <functional>

namespace quellan::xp {
namespace {

ButtonState stateOf(int w, int h, int pictureAlign, int sizeIndex) {
    ButtonState s;
    s.width = w;
    s.height = h;
    s.shapeRightEdge = w;
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    s.props.setPicture(picture);
    s.props.setPictureAlign(pictureAlign);
    s.props.setPictureSize(sizeIndex);
    s.surfaceFont.setPixelSize(12);
    return s;
}

TEST(LayoutContent, PictureAboveAnEmptyCaption) {
    ButtonState s = stateOf(100, 40, 4, 0);
    LayoutContent(s);
    // B = (40 - (-3 + 16)) div 2 = 13.
    EXPECT_EQ(s.pictureRect, (Box{42, 13, 58, 29}));
}

// A 16-pixel picture and the caption "Undo" on a 160 x 60 widget: where
// each pair of alignments puts them, from the caption's measured size.
struct Placement {
    int pictureAlign;
    int captionAlign;
    int captionStyle;
    // Expected caption left and top, picture left and top.
    std::function<int(int tw, int th)> captionLeft, captionTop, pictureLeft, pictureTop;
};

TEST(LayoutContent, CaptionAndPicturePlacements) {
    constexpr int W = 160, H = 60, P = 16;
    auto beside = [](int, int th) { return (H - th) / 2; };
    auto middle = [](int, int) { return (H - P) / 2; };
    const Placement cases[] = {
        // Left caption: 6 from the edge, 6 more beside a picture on the left.
        {0, 0, 0, [](int, int) { return P + 12; }, beside, [](int, int) { return 6; }, middle},
        // Right caption: the same gap beside a picture on the right.
        {2, 1, 0, [](int tw, int) { return W - P - tw - 12; }, beside,
         [](int, int) { return W - P - 6; }, middle},
        // Centred caption with the picture just left of it: centred as a pair.
        {1, 2, 0, [](int tw, int) { return (W - (tw + P + 6)) / 2 + P + 6; }, beside,
         [](int tw, int) { return (W - (tw + P + 6)) / 2; }, middle},
        // ... and just right of it.
        {3, 2, 0, [](int tw, int) { return (W - (tw + P + 6)) / 2; }, beside,
         [](int tw, int) { return (W - (tw + P + 6)) / 2 + tw + 6; }, middle},
        // Picture below: the caption 1 under the top of the pair, the picture 3 under the text.
        {5, 2, 0, [](int tw, int) { return (W - tw) / 2; },
         [](int, int th) { return (H - (th + P)) / 2 + 1; }, [](int, int) { return (W - P) / 2; },
         [](int, int th) { return th + (H - (th + P)) / 2 + 3; }},
        // An engraved caption measures 2 wider and 2 higher.
        {0, 0, 1, [](int, int) { return P + 12; }, [](int, int th) { return (H - th - 2) / 2; },
         [](int, int) { return 6; }, middle},
    };
    ButtonState plain = stateOf(W, H, 0, 0);
    plain.props.setCaption(QStringLiteral("Undo"));
    LayoutContent(plain);
    const int tw = plain.captionRect.right - plain.captionRect.left;
    const int th = plain.captionRect.bottom - plain.captionRect.top;
    for (const Placement& c : cases) {
        SCOPED_TRACE(::testing::Message() << "picture " << c.pictureAlign << ", caption "
                                          << c.captionAlign << ", style " << c.captionStyle);
        ButtonState s = stateOf(W, H, c.pictureAlign, 0);
        s.props.setCaption(QStringLiteral("Undo"));
        s.props.setCaptionAlign(c.captionAlign);
        s.props.setCaptionStyle(c.captionStyle);
        LayoutContent(s);
        const int grow = c.captionStyle ? 2 : 0;
        const int left = c.captionLeft(tw, th);
        const int top = c.captionTop(tw, th);
        EXPECT_EQ(s.captionRect, (Box{left, top, left + tw + grow, top + th + grow}));
        EXPECT_EQ(s.pictureRect.left, c.pictureLeft(tw, th));
        EXPECT_EQ(s.pictureRect.top, c.pictureTop(tw, th));
    }
}

TEST(LayoutContent, RectanglesStayInsideTheMargin) {
    ButtonState s = stateOf(30, 20, 0, 2);  // a 32-pixel picture on a small widget
    s.props.setCaption(QStringLiteral("A rather long caption"));
    LayoutContent(s);
    EXPECT_GE(s.pictureRect.left, 6);
    EXPECT_GE(s.pictureRect.top, 6);
    EXPECT_LE(s.pictureRect.bottom, 14);
    EXPECT_LE(s.captionRect.right, 30);
    EXPECT_LE(s.captionRect.bottom, 14);
}

TEST(LayoutContent, SlantedShapesNarrowTheUsableSpan) {
    ButtonState s;
    s.width = 100;
    s.height = 30;
    s.props.setButtonShape(3);
    s.shapeLeftInset = 31;
    s.shapeRightEdge = 69;
    const UsableSpan span = usableSpan(s);
    EXPECT_EQ(span.leftOffset, 21);  // 31 - 31 div 3
    EXPECT_EQ(span.rightLimit, 79);  // 69 + 31 div 3
    EXPECT_EQ(span.usableWidth, 58);
}

TEST(LayoutContent, DoubleBarIsALineBreak) {
    EXPECT_EQ(displayCaption(QStringLiteral("A||B")), QStringLiteral("A\nB"));
}

}  // namespace
}  // namespace quellan::xp
