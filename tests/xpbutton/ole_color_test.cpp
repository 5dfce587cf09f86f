#include "xpbutton/ole_color.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace quellan::xp {
namespace {

QPalette distinctPalette() {
    QPalette p;
    p.setColor(QPalette::Button, QColor(212, 208, 200));
    p.setColor(QPalette::ButtonText, QColor(1, 2, 3));
    p.setColor(QPalette::Highlight, QColor(10, 36, 106));
    p.setColor(QPalette::Base, QColor(250, 251, 252));
    p.setColor(QPalette::Text, QColor(4, 5, 6));
    p.setColor(QPalette::Light, QColor(255, 255, 254));
    p.setColor(QPalette::Dark, QColor(128, 128, 127));
    p.setColor(QPalette::Shadow, QColor(64, 64, 63));
    p.setColor(QPalette::Midlight, QColor(223, 223, 222));
    return p;
}

TEST(ToRGB, PackedRgbIsReturnedUnchanged) {
    const QPalette p = distinctPalette();
    EXPECT_EQ(ToRGB(0x00C8640Au, p), 0x00C8640Au);
    EXPECT_EQ(ToRGB(0u, p), 0u);
    EXPECT_EQ(ToRGB(0x00FFFFFFu, p), 0x00FFFFFFu);
}

TEST(ToRGB, SystemColoursComeFromThePalette) {
    const QPalette p = distinctPalette();
    EXPECT_EQ(ToRGB(0x8000000Fu, p), packRgb(212, 208, 200));  // button face
    EXPECT_EQ(ToRGB(0x80000012u, p), packRgb(1, 2, 3));        // button text
    EXPECT_EQ(ToRGB(0x8000000Du, p), packRgb(10, 36, 106));    // highlight
    EXPECT_EQ(ToRGB(0x80000005u, p), packRgb(250, 251, 252));  // window
    EXPECT_EQ(ToRGB(0x80000008u, p), packRgb(4, 5, 6));        // window text
    EXPECT_EQ(ToRGB(0x80000014u, p), packRgb(255, 255, 254));  // 3D highlight
    EXPECT_EQ(ToRGB(0x80000010u, p), packRgb(128, 128, 127));  // 3D shadow
    EXPECT_EQ(ToRGB(0x80000015u, p), packRgb(64, 64, 63));     // 3D dark shadow
    EXPECT_EQ(ToRGB(0x80000016u, p), packRgb(223, 223, 222));  // 3D light
}

TEST(ToRGB, OnlyTheLowByteNamesTheIndex) {
    const QPalette p = distinctPalette();
    EXPECT_EQ(ToRGB(0x80FF000Fu, p), packRgb(212, 208, 200));
    EXPECT_EQ(ToRGB(0x800000FFu, p), 0u);  // no such system colour
}

TEST(ToRGB, WithoutPaletteUsesTheApplicationPalette) {
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    EXPECT_EQ(ToRGB(kButtonFace), packRgb(face.red(), face.green(), face.blue()));
}

TEST(AdjustColor, ShiftsAndClampsEveryChannel) {
    EXPECT_EQ(AdjustColor(packRgb(10, 250, 0), -20), packRgb(0, 230, 0));
    EXPECT_EQ(AdjustColor(packRgb(250, 5, 100), 10), packRgb(255, 15, 110));
}

TEST(AdjustColor, ScaledBlueMovesInProportion) {
    EXPECT_EQ(AdjustColor(packRgb(200, 100, 96), 48, true), packRgb(248, 148, 120));
    EXPECT_EQ(AdjustColor(packRgb(30, 30, 0), 100, true), packRgb(130, 130, 0));
    // -32 * 250 / 192 = -41.67, truncated toward zero.
    EXPECT_EQ(AdjustColor(packRgb(255, 255, 250), -32, true), packRgb(223, 223, 209));
    EXPECT_EQ(AdjustColor(0xFFFFFF, -32, true), packRgb(223, 223, 213));
}

}  // namespace
}  // namespace quellan::xp
