// Caption and picture: line breaks, access keys, caption styles, hover and
// disabled text colours, the picture sizes, the key colour of bitmaps and
// the embossed picture of a disabled widget.
#include <gtest/gtest.h>

#include "look_state.h"
#include "xpbutton/emboss.h"
#include "xpbutton/paint_content.h"
#include "xpbutton/paint_picture.h"
#include "xpbutton/transparent_bitmap.h"

namespace quellan::xp::testing {
namespace {

constexpr Rgb kMagenta = packRgb(255, 0, 255);
constexpr Rgb kGreen = packRgb(0, 160, 0);

// Pixels of one exact colour inside a box, and their extent.
struct Ink {
    int count = 0;
    QRect bounds;
};
Ink inkOf(const QImage& image, Rgb colour, QRect within = {}) {
    if (within.isNull()) within = image.rect();
    Ink ink;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (at(image, x, y) == colour) {
                ++ink.count;
                ink.bounds |= QRect(x, y, 1, 1);
            }
    return ink;
}

// The caption's box with room for its shifted copies, away from the borders.
QRect aroundCaption(const ButtonState& s) {
    const Box b = s.captionRect;
    return QRect(QPoint(b.left - 2, b.top - 2), QPoint(b.right + 2, b.bottom + 2));
}

// The ink of copy reaches one pixel further right and down than the ink of
// text drawn over it.
void expectCopyDownRight(const QImage& image, QRect box, Rgb copy, Rgb text) {
    const Ink under = inkOf(image, copy, box);
    const Ink over = inkOf(image, text, box);
    ASSERT_GT(under.count, 0);
    ASSERT_GT(over.count, 10);
    EXPECT_EQ(under.bounds.right(), over.bounds.right() + 1);
    EXPECT_EQ(under.bounds.bottom(), over.bounds.bottom() + 1);
}

// A large bold caption, so that whole pixels of ink take the text colour.
LookUnderTest captioned(int style, const QString& caption, int w = 120, int h = 60) {
    LookUnderTest look(style, w, h);
    look.state.surfaceFont.setPixelSize(24);
    look.state.surfaceFont.setBold(true);
    look.state.props.setCaption(caption);
    look.refresh();
    return look;
}

QPixmap keyedBitmap(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(toQColor(kGreen));
    img.setPixel(0, 0, toQColor(kMagenta).rgb());
    return QPixmap::fromImage(img);
}

TEST(Caption, DoubleBarBreaksTheLine) {
    LookUnderTest one = captioned(0, QStringLiteral("AB"), 120, 100);
    LookUnderTest two = captioned(0, QStringLiteral("A||B"), 120, 100);
    const Box a = one.state.captionRect;
    const Box b = two.state.captionRect;
    EXPECT_GE(b.bottom - b.top, 2 * (a.bottom - a.top) - 4);
    EXPECT_LT(b.right - b.left, a.right - a.left);
    const QImage image = two.paint();
    // A above B: black ink in the upper and in the lower half of the box,
    // none on the row between the lines.
    const Ink ink = inkOf(image, 0);
    ASSERT_GT(ink.count, 0);
    const int middle = (b.top + b.bottom) / 2;
    int upper = 0, lower = 0;
    for (int y = b.top; y < b.bottom; ++y)
        for (int x = b.left; x < b.right; ++x)
            if (at(image, x, y) == 0) (y < middle ? upper : lower)++;
    EXPECT_GT(upper, 10);
    EXPECT_GT(lower, 10);
}

TEST(Caption, AccessKeyIsUnderlinedAndDoubleAmpersandIsOne) {
    const Box plain = captioned(0, QStringLiteral("A&B")).state.captionRect;
    LookUnderTest doubled = captioned(0, QStringLiteral("A&&&&B"));
    EXPECT_GT(doubled.state.captionRect.right - doubled.state.captionRect.left,
              plain.right - plain.left);  // "A&&B" is wider than "AB"
    const LookUnderTest bare = captioned(0, QStringLiteral("W"));
    const LookUnderTest keyed = captioned(0, QStringLiteral("&W"));
    EXPECT_GT(inkOf(keyed.paint(), 0, aroundCaption(keyed.state)).bounds.bottom(),
              inkOf(bare.paint(), 0, aroundCaption(bare.state)).bounds.bottom());
}

TEST(Caption, HoverColourUnlessPressed) {
    LookUnderTest look = captioned(0, QStringLiteral("MM"));
    look.state.props.setHoverForeColor(packRgb(255, 0, 0));
    look.hot();
    EXPECT_GT(inkOf(look.paint(), packRgb(255, 0, 0)).count, 20);
    look.pressed();
    const QImage pressed = look.paint();
    EXPECT_EQ(inkOf(pressed, packRgb(255, 0, 0), aroundCaption(look.state)).count, 0);
    EXPECT_GT(inkOf(pressed, 0, aroundCaption(look.state)).count, 20);
}

TEST(Caption, RaisedOnWhiteHasALightGreyCopyDownRight) {
    LookUnderTest look = captioned(4, QStringLiteral("MM"));
    look.state.colors.face = packRgb(255, 255, 255);
    look.state.props.setCaptionStyle(2);
    LayoutContent(look.state);
    const QImage image = look.paint();
    // The caption itself sits one pixel down; the dark copy (white 40
    // darker) one further down and right, the light copy (white, unseen)
    // up-left.
    expectCopyDownRight(image, aroundCaption(look.state), packRgb(215, 215, 215), 0);
}

TEST(Caption, DisabledGradientCaptionIsGreyOverWhite) {
    LookUnderTest look = captioned(0, QStringLiteral("MM"));
    look.state.props.setGradientMode(1);  // from the face to the same colour
    look.state.enabled = false;
    look.refresh();
    const QImage image = look.paint();
    expectCopyDownRight(image, aroundCaption(look.state), packRgb(255, 255, 255),
                        packRgb(128, 128, 128));
}

TEST(Caption, DisabledToggleIsOnePassInItsLookColour) {
    LookUnderTest look = captioned(0, QStringLiteral("MM"));
    look.state.props.setMode(kModeToggle);
    look.state.enabled = false;
    const QImage image = look.paint();
    EXPECT_GT(inkOf(image, packRgb(128, 128, 128), aroundCaption(look.state)).count, 10);
    EXPECT_EQ(inkOf(image, packRgb(255, 255, 255), aroundCaption(look.state)).count, 0);
}

TEST(Caption, BlackFrameOnKeepsItsLightTextUnderThePointer) {
    LookUnderTest look = captioned(7, QStringLiteral("MM"));
    look.toggledOn();
    look.hot();
    const QImage image = look.paint();
    EXPECT_GT(inkOf(image, packRgb(243, 239, 231), aroundCaption(look.state)).count,
              20);  // the style's face colour
    EXPECT_EQ(inkOf(image, 0, aroundCaption(look.state)).count, 0);
}

TEST(ContentShift, PressShiftPerLookAndShape) {
    struct Case {
        int style;
        int shape;
        bool on;  // switched on rather than pressed
        QPoint shift;
    };
    for (const Case c : {Case{2, 0, false, {1, 1}}, Case{3, 0, false, {0, 0}},
                         Case{0, 4, false, {0, 1}}, Case{0, 0, true, {1, 1}}}) {
        LookUnderTest look(c.style, 80, 40, c.shape);
        look.state.props.setPicture(keyedBitmap(16, 16));
        look.refresh();
        const Box box = look.state.pictureRect;
        const QImage rest = look.paint();
        if (c.on) {
            look.toggledOn();
        } else {
            look.pressed();
        }
        const QImage pressed = look.paint();
        const QPoint inside(box.left + 8, box.top + 8);
        EXPECT_EQ(inkOf(rest, kGreen).bounds.topLeft(), QPoint(box.left, box.top)) << c.style;
        EXPECT_EQ(inkOf(pressed, kGreen).bounds.topLeft() - inkOf(rest, kGreen).bounds.topLeft(),
                  c.shift)
            << c.style << " " << c.shape;
        EXPECT_EQ(at(pressed, inside.x(), inside.y()), kGreen);
    }
}

TEST(PictureSize, FittedPictureOnAPiece) {
    LookUnderTest look(2, 60, 60);
    look.state.props.setPicture(keyedBitmap(32, 32));
    look.state.props.setPictureAlign(4);
    look.state.props.setPictureSize(4);
    look.refresh();
    const UsableSpan span = usableSpan(look.state);
    EXPECT_EQ(pictureTarget(look.state, look.state.pictureRect, span), QRect(6, 6, 48, 48));
    EXPECT_EQ(pictureTarget(look.state, look.state.pictureRect.moved(1, 1), span),
              QRect(7, 7, 48, 48));
}

TEST(PictureSize, StretchedOverTheWidget) {
    LookUnderTest look(0, 70, 40);
    look.state.props.setPicture(keyedBitmap(10, 10));
    look.state.props.setPictureSize(3);
    look.refresh();
    const UsableSpan span = usableSpan(look.state);
    EXPECT_EQ(pictureTarget(look.state, look.state.pictureRect, span), QRect(0, 0, 70, 40));
    EXPECT_EQ(pictureTarget(look.state, look.state.pictureRect.moved(1, 1), span),
              QRect(1, 1, 71, 41));
    const QImage image = look.paint();
    EXPECT_EQ(at(image, 69, 39), kGreen);
    EXPECT_EQ(at(image, 10, 5), kGreen);
}

TEST(PictureSize, BoxedSizesDrawAtTheirSize) {
    for (int index : {0, 1, 2}) {
        LookUnderTest look(0, 100, 60);
        look.state.props.setPicture(keyedBitmap(8, 8));
        look.state.props.setPictureSize(index);
        look.refresh();
        const int size = (index + 2) * 8;
        EXPECT_EQ(inkOf(look.paint(), kGreen).count, size * size - (size / 8) * (size / 8))
            << size;  // every pixel but the scaled-up key pixel
    }
}

TEST(TransparentBitmap, KeyColourOfTheTopLeftPixel) {
    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(Qt::blue);
    Canvas canvas(target);
    QImage bitmap(4, 4, QImage::Format_RGB32);
    bitmap.fill(toQColor(kMagenta));
    bitmap.setPixel(1, 1, qRgb(0, 160, 0));
    bitmap.setPixel(2, 2, qRgb(254, 0, 255));  // close to the key is not the key
    DrawTransparentBitmap(canvas, {3, 5, 7, 9}, bitmap, 4, 4);
    EXPECT_EQ(at(target, 4, 6), kGreen);
    EXPECT_EQ(at(target, 5, 7), packRgb(254, 0, 255));
    EXPECT_EQ(at(target, 3, 5), packRgb(0, 0, 255));
    EXPECT_EQ(at(target, 6, 8), packRgb(0, 0, 255));
    EXPECT_EQ(inkOf(target, kMagenta).count, 0);
}

TEST(TransparentBitmap, SmallerDestinationKeepsTheAspectRatio) {
    EXPECT_EQ(drawnBitmapSize(10, 40, 20, 20), QSize(10, 10));
    EXPECT_EQ(drawnBitmapSize(30, 8, 20, 10), QSize(16, 8));
    EXPECT_EQ(drawnBitmapSize(50, 30, 20, 10), QSize(50, 30));  // larger: stretched
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(Qt::white);
    Canvas canvas(target);
    QImage bitmap(8, 8, QImage::Format_RGB32);
    bitmap.fill(Qt::black);
    DrawTransparentBitmap(canvas, {1, 1, 0, 0}, bitmap, 8, 8);  // own size; all key
    EXPECT_EQ(inkOf(target, 0).count, 0);
}

TEST(Emboss, RasterOperationKeepsWhiteAndPaintsBlack) {
    EXPECT_EQ(ropKeepWhereSourceSet(0x123456, 0xFFFFFF, 0xE4E4E4), 0x123456u);
    EXPECT_EQ(ropKeepWhereSourceSet(0x123456, 0x000000, 0xE4E4E4), 0xE4E4E4u);
    EXPECT_EQ(ropKeepWhereSourceSet(0xFF00FF, 0x0F0F0F, 0x000000), 0x0F000Fu);  // bit by bit
}

TEST(Emboss, DisabledPictureIsALightShapeUnderAGreyOne) {
    LookUnderTest look(0, 80, 40);
    look.state.props.setPicture(keyedBitmap(16, 16));
    look.state.enabled = false;
    look.refresh();
    const Box b = look.state.pictureRect;
    const QImage image = look.paint();
    const Rgb light = packRgb(228, 228, 228);
    const Rgb grey = packRgb(156, 156, 156);
    EXPECT_EQ(at(image, b.left + 8, b.top + 8), grey);
    EXPECT_EQ(at(image, b.left - 1, b.top + 8), light);
    EXPECT_EQ(at(image, b.left + 8, b.top - 1), light);
    EXPECT_EQ(at(image, b.left + 15, b.top + 15), grey);
    EXPECT_EQ(at(image, b.left + 16, b.top + 8), kClassicFace);
    EXPECT_EQ(at(image, b.left - 1, b.top - 1), kClassicFace);  // the transparent key pixel
    EXPECT_EQ(inkOf(image, kGreen).count, 0);
}

TEST(PictureMetrics, BitmapsAndIcons) {
    EXPECT_EQ(pictureMetrics(QPixmap()).width, 0);
    const PictureMetrics bitmap = pictureMetrics(keyedBitmap(32, 20));
    EXPECT_EQ(bitmap.width, 32);
    EXPECT_EQ(bitmap.height, 20);
    EXPECT_FALSE(bitmap.isIcon);
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    EXPECT_TRUE(pictureMetrics(QPixmap::fromImage(icon)).isIcon);
}

}  // namespace
}  // namespace quellan::xp::testing
