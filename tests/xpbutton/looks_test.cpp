// Pixel checks of the eight looks: the three rings of border lines in each
// state a look distinguishes, corner pixels and focus indicators, painted
// on a 60 x 30 rectangle with the face RGB(212, 208, 200).
#include <gtest/gtest.h>

#include <array>

#include "look_state.h"
#include "xpbutton/paint_background.h"
#include "xpbutton/paint_borders.h"

namespace quellan::xp::testing {
namespace {

constexpr Rgb kFace = kClassicFace;
constexpr Rgb kWhite = packRgb(255, 255, 255);
constexpr Rgb kBlack = 0;
constexpr Rgb kGrey = packRgb(128, 128, 128);
constexpr Rgb kLight233 = packRgb(233, 233, 233);
constexpr Rgb kDark102 = packRgb(102, 102, 102);
constexpr Rgb kLight231 = packRgb(231, 231, 231);
constexpr Rgb kFace7 = packRgb(243, 239, 231);  // style 7 lightens the face by 31
constexpr Rgb kShade7 = packRgb(179, 175, 154);
constexpr Rgb kOnFace = packRgb(223, 223, 223);
constexpr Rgb kF = 0xFF000001;  // "the face colour of the row" in the table below

enum class Setup {
    Normal,
    Default,
    Pressed,
    On,
    Disabled,
    Hot,
    Held,
    DefaultUnfocused,
    OnGradient
};

// One pixel in the middle of each line: inner, middle and outer ring, each
// left, top, right, bottom.
constexpr std::array<QPoint, 12> kLinePixels{{{2, 15},
                                              {30, 2},
                                              {57, 15},
                                              {30, 27},
                                              {1, 15},
                                              {30, 1},
                                              {58, 15},
                                              {30, 28},
                                              {0, 15},
                                              {30, 0},
                                              {59, 15},
                                              {30, 29}}};

struct RingCase {
    const char* name;
    int style;
    Setup setup;
    Rgb face;
    std::array<Rgb, 12> lines;  // kF: no line there, the face shows
};

// clang-format off
const RingCase kRingCases[] = {
    {"classic at rest", 0, Setup::Normal, kFace,
     {kF, kF, kF, kF, kLight233, kLight233, kGrey, kGrey, kWhite, kWhite, kBlack, kBlack}},
    {"classic as default button", 0, Setup::Default, kFace,
     {kLight233, kLight233, kGrey, kGrey, kWhite, kWhite, kBlack, kBlack,
      kBlack, kBlack, kBlack, kBlack}},
    {"classic pressed", 0, Setup::Pressed, kFace,
     {kF, kF, kF, kF, kF, kF, kGrey, kGrey, kWhite, kWhite, kBlack, kBlack}},
    {"classic toggled on", 0, Setup::On, kOnFace,
     {kF, kF, kF, kF, kF, kF, kLight233, kLight233, kBlack, kBlack, kWhite, kWhite}},
    {"classic toggle held down", 0, Setup::Held, kFace,
     {kF, kF, kF, kF, kF, kF, kLight233, kLight233, kBlack, kBlack, kWhite, kWhite}},
    {"two-tone at rest", 1, Setup::Normal, kFace,
     {kWhite, kWhite, kGrey, kGrey, kWhite, kWhite, kGrey, kGrey,
      kBlack, kBlack, kBlack, kBlack}},
    {"two-tone pressed", 1, Setup::Pressed, kFace,
     {kGrey, kGrey, kWhite, kWhite, kGrey, kGrey, kWhite, kWhite,
      kBlack, kBlack, kBlack, kBlack}},
    {"theme toggled on", 2, Setup::On, packRgb(223, 223, 213),
     {packRgb(201, 201, 189), packRgb(199, 199, 187), packRgb(223, 223, 213),
      packRgb(233, 233, 224), packRgb(191, 191, 178), packRgb(191, 191, 178),
      packRgb(228, 228, 218), packRgb(239, 239, 230),
      packRgb(0, 60, 115), packRgb(0, 60, 115), packRgb(0, 60, 115), packRgb(0, 60, 115)}},
    {"theme default without focus rectangle", 2, Setup::DefaultUnfocused, kF,
     {packRgb(245, 245, 237), kWhite, packRgb(231, 231, 219), packRgb(223, 223, 209),
      packRgb(250, 250, 244), kWhite, packRgb(219, 219, 204), packRgb(207, 207, 188),
      packRgb(0, 60, 115), packRgb(0, 60, 115), packRgb(0, 60, 115), packRgb(0, 60, 115)}},
    {"flat framed at rest", 3, Setup::Normal, kFace,
     {kF, kF, kF, kF, kWhite, kWhite, kDark102, kDark102, kDark102, kDark102, kWhite, kWhite}},
    {"flat framed pressed", 3, Setup::Pressed, packRgb(140, 140, 140),
     {kF, kF, kF, kF, kF, kF, kDark102, kDark102, kDark102, kDark102, kWhite, kWhite}},
    {"flat framed disabled", 3, Setup::Disabled, kFace,
     {kF, kF, kF, kF, kF, kF, kF, kF, kDark102, kDark102, kDark102, kDark102}},
    {"thin bevel at rest", 4, Setup::Normal, kFace,
     {kF, kF, kF, kF, kF, kF, kF, kF, kWhite, kWhite, kGrey, kGrey}},
    {"thin bevel pressed", 4, Setup::Pressed, kFace,
     {kF, kF, kF, kF, kF, kF, kF, kF, kGrey, kGrey, kWhite, kWhite}},
    {"hover frame at rest", 5, Setup::Normal, kFace,
     {kF, kF, kF, kF, kF, kF, kF, kF, kF, kF, kF, kF}},
    {"hover frame under the pointer", 5, Setup::Hot, kFace,
     {kF, kF, kF, kF, kF, kF, kF, kF, kWhite, kWhite, kGrey, kGrey}},
    {"hover frame toggled on", 5, Setup::On, kOnFace,
     {kF, kF, kF, kF, kF, kF, kF, kF, kGrey, kGrey, kWhite, kWhite}},
    {"double bevel at rest", 6, Setup::Normal, kFace,
     {kF, kF, kF, kF, kLight231, kLight231, kGrey, kGrey, kLight231, kLight231, kGrey, kGrey}},
    {"double bevel as default button", 6, Setup::Default, kFace,
     {kF, kF, kF, kF, kLight231, kLight231, kGrey, kGrey, kLight231, kLight231, kGrey, kGrey}},
    {"double bevel pressed", 6, Setup::Pressed, kFace,
     {kF, kF, kF, kF, kGrey, kGrey, kLight231, kLight231, kGrey, kGrey, kLight231, kLight231}},
    {"black frame at rest", 7, Setup::Normal, kFace7,
     {kWhite, kWhite, kFace7, kFace7, kWhite, kWhite, kShade7, kShade7,
      kBlack, kBlack, kBlack, kBlack}},
    {"black frame pressed", 7, Setup::Pressed, packRgb(112, 112, 112),
     {packRgb(96, 96, 96), packRgb(96, 96, 96), kGrey, kGrey, packRgb(64, 64, 64),
      packRgb(64, 64, 64), packRgb(112, 112, 112), packRgb(112, 112, 112),
      kBlack, kBlack, kBlack, kBlack}},
    {"black frame on with a gradient", 7, Setup::OnGradient, packRgb(144, 144, 138),
     {packRgb(211, 207, 199), packRgb(211, 207, 199), kFace7, kFace7,
      packRgb(179, 175, 167), packRgb(179, 175, 167), packRgb(227, 223, 215),
      packRgb(227, 223, 215), kBlack, kBlack, kBlack, kBlack}},
};
// clang-format on

LookUnderTest lookFor(const RingCase& c) {
    LookUnderTest look(c.style);
    switch (c.setup) {
        case Setup::Default:
            look.state.set(kShowsDefaultLook, true);
            break;
        case Setup::Pressed:
            look.pressed();
            break;
        case Setup::Hot:
            look.hot();
            break;
        case Setup::On:
            look.toggledOn();
            break;
        case Setup::Disabled:
            look.state.enabled = false;
            look.refresh();
            break;
        case Setup::Held:
            look.state.props.setMode(kModeToggle);
            look.pressed();
            break;
        case Setup::DefaultUnfocused:
            look.state.set(kShowsDefaultLook, true);
            look.state.props.setShowFocusRect(false);
            break;
        case Setup::OnGradient:
            look.toggledOn();
            look.state.props.setGradientMode(1);
            look.refresh();
            break;
        case Setup::Normal:
            break;
    }
    return look;
}

class Rings : public ::testing::TestWithParam<RingCase> {};

TEST_P(Rings, EveryLineHasTheColourOfItsState) {
    const RingCase& c = GetParam();
    const QImage image = lookFor(c).paint();
    const int shadedRow = c.style == 2 ? 1 : 0;  // the theme face darkens downwards
    for (int i = 0; i < 12; ++i) {
        const QPoint p = kLinePixels[i];
        const Rgb expected =
            c.lines[i] == kF ? (shadedRow ? at(image, 30, p.y()) : c.face) : c.lines[i];
        EXPECT_EQ(at(image, p.x(), p.y()), expected) << c.name << ", line " << i + 1;
    }
    if (!shadedRow) {
        EXPECT_EQ(at(image, 30, 15), c.face) << c.name << ", face";
    }
}

INSTANTIATE_TEST_SUITE_P(Looks, Rings, ::testing::ValuesIn(kRingCases),
                         [](const ::testing::TestParamInfo<RingCase>& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

TEST(Looks, HoverFrameAtRestPaintsNothingButTheFace) {
    LookUnderTest look(5);
    const QImage image = look.paint();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ASSERT_EQ(at(image, x, y), kFace) << x << "," << y;
}

TEST(Looks, HoverFrameAtDesignTimeShowsADottedOutline) {
    LookUnderTest look(5);
    look.state.designMode = true;
    QImage image = look.paint();
    const Rgb outline = packRgb(148, 144, 136);  // the container's colour, 64 darker
    // The top line from (0, 0): three pixels on, three off.
    for (int x = 0; x < 59; ++x) {
        EXPECT_EQ(at(image, x, 0), x % 6 < 3 ? outline : kFace) << x;
    }
    look.state.containerBackColor = packRgb(32, 32, 32);  // 64 darker is black: white instead
    image = look.paint();
    EXPECT_EQ(at(image, 0, 0), kWhite);
}

TEST(Looks, HoverFrameEllipseAtDesignTimeOnTheContainerColour) {
    LookUnderTest look(5, 60, 30, 4);
    look.state.designMode = true;
    const QImage image = look.paint();
    int white = 0;
    for (int x = 0; x < 60; ++x) white += at(image, x, 0) == kWhite || at(image, x, 1) == kWhite;
    EXPECT_GT(white, 0);
}

TEST(Looks, BlackFrameCornerPixels) {
    const QImage image = LookUnderTest(7).paint();
    EXPECT_EQ(at(image, 1, 1), kBlack);
    EXPECT_EQ(at(image, 2, 2), kWhite);  // c1: the face 31 lighter, white here
    EXPECT_EQ(at(image, 3, 3), kWhite);
    EXPECT_EQ(at(image, 1, 27), kFace7);
    EXPECT_EQ(at(image, 1, 28), kBlack);
    EXPECT_EQ(at(image, 58, 1), kBlack);
    EXPECT_EQ(at(image, 57, 1), kFace7);
    EXPECT_EQ(at(image, 57, 27), kShade7);
    EXPECT_EQ(at(image, 56, 26), kFace7);
    EXPECT_EQ(at(image, 58, 28), kBlack);
}

TEST(Focus, ClassicRectangleShowsTheDottedSystemFocus) {
    LookUnderTest look(0);
    look.state.set(kShowsDefaultLook, true);
    const QImage image = look.paint();
    const Rgb inverted = kFace ^ 0xFFFFFF;
    EXPECT_EQ(at(image, 4, 4), inverted);
    EXPECT_EQ(at(image, 5, 4), kFace);
    EXPECT_EQ(at(image, 6, 4), inverted);
    EXPECT_EQ(at(image, 30, 15), kFace);
}

TEST(Focus, SlantedShapesDrawADarkerFaceOutline) {
    LookUnderTest look(0, 60, 30, 1);  // d = 31: the left edge leans over 31 pixels
    look.state.set(kShowsDefaultLook, true);
    const QImage image = look.paint();
    EXPECT_EQ(at(image, 30, 4), packRgb(164, 160, 152));  // the face 48 darker
    EXPECT_EQ(at(image, 55, 15), packRgb(164, 160, 152));
    look.toggledOn();  // then black, and solid
    EXPECT_EQ(at(look.paint(), 30, 4), kBlack);
}

// An 80 x 30 widget of the look with the caption "Go", showing as default.
LookUnderTest defaultWithCaption(int style) {
    LookUnderTest look(style, 80, 30);
    look.state.props.setCaption(QStringLiteral("Go"));
    look.state.set(kShowsDefaultLook, true);
    look.refresh();
    return look;
}

TEST(Focus, BlackFrameDottedBoxMovesWithThePressedCaption) {
    LookUnderTest look = defaultWithCaption(7);
    const Box c = look.state.captionRect;
    // The system focus box starts 3 pixels up-left of the caption, 2 while pressed.
    EXPECT_EQ(at(look.paint(), c.left - 3, c.top - 3), kFace7 ^ 0xFFFFFF);
    look.pressed();
    const QImage pressed = look.paint();
    EXPECT_EQ(at(pressed, c.left - 2, c.top - 2), packRgb(112, 112, 112) ^ 0xFFFFFF);
    EXPECT_EQ(at(pressed, c.left - 3, c.top - 3), packRgb(112, 112, 112));
    // A button that is on draws its box solid in this look; the dotted box
    // itself follows the content of a button that is on as well.
    LookUnderTest on = defaultWithCaption(7);
    on.toggledOn();
    QImage image(80, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(image);
    PaintFocus(canvas, on.state, kBlack, false, true);
    EXPECT_EQ(at(image, c.left - 2, c.top - 2), 0u);
    EXPECT_EQ(at(image, c.left - 3, c.top - 3), kWhite);
}

TEST(Focus, FlatFramedDrawsLilacAroundTheCaption) {
    const LookUnderTest look = defaultWithCaption(3);
    const Box c = look.state.captionRect;
    const QImage image = look.paint();
    const Rgb lilac = packRgb(153, 153, 204);
    EXPECT_EQ(at(image, c.left - 3, c.top - 3), lilac);
    EXPECT_EQ(at(image, c.right + 3, c.bottom + 3), lilac);
    EXPECT_EQ(at(image, (c.left + c.right) / 2, c.top - 3), lilac);
    EXPECT_NE(at(image, c.left - 2, c.top - 2), lilac);
}

TEST(Focus, ThemeEllipseRingIsBlueAndOrangeUnderThePointer) {
    auto contains = [](const QImage& image, Rgb colour) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (at(image, x, y) == colour) return true;
        return false;
    };
    LookUnderTest look(2, 60, 30, 4);
    EXPECT_FALSE(contains(look.paint(), packRgb(107, 130, 239)));
    look.state.set(kShowsDefaultLook, true);
    EXPECT_TRUE(contains(look.paint(), packRgb(107, 130, 239)));
    look.hot();
    const QImage hot = look.paint();
    EXPECT_TRUE(contains(hot, packRgb(231, 150, 0)));
    EXPECT_FALSE(contains(hot, packRgb(107, 130, 239)));
}

TEST(Looks, EllipsesPaintEveryPixelOfTheirRegion) {
    for (int shape = 4; shape <= 6; ++shape) {
        for (int style = 0; style < 8; ++style) {
            LookUnderTest look(style, 60, 30, shape);
            look.hot();  // the hover frame look shows its rim only then
            QImage image(60, 30, QImage::Format_RGB32);
            image.fill(Qt::magenta);
            Canvas canvas(image);
            paintLook(canvas, look.state);
            int unpainted = 0;
            for (const QRect& r : ellipticRegion(60, 30) & QRegion(0, 0, 60, 30))
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x)
                        unpainted += at(image, x, y) == packRgb(255, 0, 255);
            EXPECT_EQ(unpainted, 0) << "shape " << shape << ", style " << style;
        }
    }
}

TEST(Looks, EllipsesGetNoBorderLines) {
    // Where a rectangle has its inner and middle rings, inside the inner
    // ellipse, an ellipse shows only its face (shaded by row in style 2).
    const QPoint ringPixels[] = {{2, 15}, {57, 15}, {58, 15}, {30, 1}, {30, 2}, {30, 27}, {30, 28}};
    for (int style = 0; style < 8; ++style) {
        LookUnderTest look(style, 60, 30, 4);
        look.state.set(kShowsDefaultLook, true);
        const QImage image = look.paint();
        const Rgb face = style == 7 ? look.state.colors.face : kFace;
        for (const QPoint p : ringPixels) {
            const Rgb expected =
                style == 2 ? AdjustColor(look.state.colors.face, shadingOffset(p.y(), 30), true)
                           : face;
            EXPECT_EQ(at(image, p.x(), p.y()), expected)
                << style << " at " << p.x() << "," << p.y();
        }
    }
}

}  // namespace
}  // namespace quellan::xp::testing
