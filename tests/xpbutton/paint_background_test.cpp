// The face fills: the theme look's shading and the band gradients.
#include "xpbutton/paint_background.h"

#include <gtest/gtest.h>

namespace quellan::xp {
namespace {

constexpr Rgb kFrom = packRgb(200, 100, 0);
constexpr Rgb kTo = packRgb(20, 100, 180);  // steps of 20 over ten bands

ButtonState gradientWidget(int w, int h, int mode) {
    ButtonState s;
    s.width = w;
    s.height = h;
    s.screenSize = QSize(400, 300);
    s.props.setGradientMode(mode);
    return s;
}

TEST(BuildGradientTable, RunsFromTheFirstColourTowardsTheSecond) {
    EXPECT_EQ(BuildGradientTable(1, kFrom, kTo), std::vector<Rgb>{kFrom});
    const std::vector<Rgb> t = BuildGradientTable(3, kFrom, kTo);
    EXPECT_EQ(t, (std::vector<Rgb>{kFrom, packRgb(110, 100, 90), kTo}));
    // Fractions are cut off, never rounded.
    EXPECT_EQ(BuildGradientTable(4, 0, packRgb(10, 0, 0))[1], packRgb(3, 0, 0));
    EXPECT_TRUE(BuildGradientTable(0, kFrom, kTo).empty());
}

TEST(PaintGradient, AOnePixelWideWidgetShowsTheFirstColour) {
    QImage image(1, 5, QImage::Format_RGB32);
    Canvas canvas(image);
    PaintGradient(canvas, gradientWidget(1, 5, 1), kFrom, kTo);
    for (int y = 0; y < 5; ++y) EXPECT_EQ(canvas.pixel(0, y), kFrom);
}

TEST(PaintGradient, DirectionsOfTheFourModes) {
    struct Case {
        int mode;
        QPoint first;  // where the first colour lies
        QPoint last;   // where the second one lies
    };
    for (const Case& c : {Case{1, {0, 2}, {9, 2}}, Case{2, {9, 2}, {0, 2}}, Case{3, {4, 0}, {4, 9}},
                          Case{4, {4, 9}, {4, 0}}}) {
        QImage image(10, 10, QImage::Format_RGB32);
        Canvas canvas(image);
        PaintGradient(canvas, gradientWidget(10, 10, c.mode), kFrom, kTo);
        EXPECT_EQ(canvas.pixel(c.first.x(), c.first.y()), kFrom) << c.mode;
        EXPECT_EQ(canvas.pixel(c.last.x(), c.last.y()), kTo) << c.mode;
    }
}

TEST(PaintGradient, BandsDoubleBeyondAQuarterOfTheScreen) {
    // 400 pixels of screen: 100 wide still has single bands, 101 has pairs.
    QImage narrow(100, 2, QImage::Format_RGB32);
    Canvas a(narrow);
    PaintGradient(a, gradientWidget(100, 2, 1), kFrom, kTo);
    EXPECT_NE(a.pixel(0, 0), a.pixel(1, 0));
    QImage wide(101, 2, QImage::Format_RGB32);
    wide.fill(Qt::black);
    Canvas b(wide);
    PaintGradient(b, gradientWidget(101, 2, 1), kFrom, kTo);
    EXPECT_EQ(b.pixel(0, 0), b.pixel(1, 0));
    EXPECT_NE(b.pixel(1, 0), b.pixel(2, 0));
    EXPECT_EQ(b.pixel(98, 0), b.pixel(99, 0));  // the 50th band of two ends at 99
    EXPECT_EQ(b.pixel(100, 0), 0u);             // the odd column is left alone
}

TEST(Shading, TwentyFiveLevelsOverTheHeightHalvesToEven) {
    EXPECT_EQ(shadingOffset(0, 30), 0);
    EXPECT_EQ(shadingOffset(3, 30), -2);  // 2.5 goes to 2
    EXPECT_EQ(shadingOffset(9, 30), -8);  // 7.5 goes to 8
    EXPECT_EQ(shadingOffset(29, 30), -24);
    EXPECT_EQ(shadingOffset(1, 50), 0);  // 0.5 goes to 0
    EXPECT_EQ(shadingOffset(59, 60), -25);
}

TEST(PaintBackground, ThemeFaceLeavesRowZeroAndTheSideColumns) {
    ButtonState s;
    s.width = 20;
    s.height = 30;
    s.props.setButtonStyle(2);
    QImage image(20, 30, QImage::Format_RGB32);
    image.fill(Qt::black);
    Canvas canvas(image);
    const Rgb face = packRgb(255, 255, 250);
    EXPECT_EQ(PaintBackground(canvas, s, face, kNoColor, kNoColor), 0);
    EXPECT_EQ(canvas.pixel(5, 0), 0u);
    EXPECT_EQ(canvas.pixel(0, 10), 0u);
    EXPECT_EQ(canvas.pixel(19, 10), 0u);
    EXPECT_EQ(canvas.pixel(1, 1), AdjustColor(face, -1, true));
    EXPECT_EQ(canvas.pixel(18, 29), AdjustColor(face, -24, true));
}

TEST(PaintBackground, HoverFaceOnlyWhereItBelongs) {
    constexpr Rgb kFill = packRgb(200, 200, 200);
    constexpr Rgb kHover = packRgb(250, 220, 150);
    struct Case {
        const char* what;
        int mode;
        bool hovering;
        bool pressed;  // the left button held on the widget
        bool on;
        Rgb hoverFill;
        Rgb face;
    };
    const Case cases[] = {
        {"command at rest", kModeCommand, false, false, false, kHover, kFill},
        {"command under the pointer", kModeCommand, true, false, false, kHover, kHover},
        {"command pressed", kModeCommand, true, true, false, kHover, kFill},
        {"toggle pressed", kModeToggle, true, true, false, kHover, kHover},
        {"toggle on", kModeToggle, true, false, true, kHover, kFill},
        {"option on", kModeOption, true, false, true, kHover, kFill},
        {"no hover colour", kModeCommand, true, false, false, kNoColor, kFill},
    };
    for (const Case& c : cases) {
        ButtonState s;
        s.width = 10;
        s.height = 10;
        s.props.setMode(c.mode);
        s.props.setValue(c.on);
        s.isHovering = c.hovering;
        s.set(kIsMouseOver, c.hovering);
        s.set(kIsButtonDown, c.pressed);
        QImage image(10, 10, QImage::Format_RGB32);
        Canvas canvas(image);
        PaintBackground(canvas, s, kFill, kNoColor, c.hoverFill);
        EXPECT_EQ(canvas.pixel(5, 5), c.face) << c.what;
    }
}

}  // namespace
}  // namespace quellan::xp
