#include "xpbutton/content_layout.h"

#include <gtest/gtest.h>

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

TEST(LayoutContent, PictureLeftOfTheCaptionIsCentredVertically) {
    ButtonState s = stateOf(97, 33, 0, 0);
    s.props.setCaption(QStringLiteral("Undo"));
    LayoutContent(s);
    EXPECT_EQ(s.pictureRect, (Box{6, 8, 22, 24}));
    EXPECT_GE(s.captionRect.left, 22);
    EXPECT_LE(s.captionRect.right, 97);
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
