#include "xpbutton/canvas.h"

#include <gtest/gtest.h>

namespace quellan::xp {
namespace {

constexpr Rgb kRed = packRgb(255, 0, 0);
constexpr Rgb kWhite = 0xFFFFFF;

class CanvasTest : public ::testing::Test {
  protected:
    CanvasTest() : image(10, 8, QImage::Format_RGB32), canvas(image) { image.fill(Qt::white); }
    int countOf(Rgb c) const {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += canvas.pixel(x, y) == c;
        return n;
    }
    QImage image;
    Canvas canvas;
};

TEST_F(CanvasTest, FillBoxCoversRightAndBottomExclusive) {
    canvas.FillBox(2, 1, 5, 4, kRed);
    EXPECT_EQ(canvas.pixel(2, 1), kRed);
    EXPECT_EQ(canvas.pixel(4, 3), kRed);
    EXPECT_EQ(canvas.pixel(5, 3), kWhite);
    EXPECT_EQ(canvas.pixel(4, 4), kWhite);
    EXPECT_EQ(canvas.pixel(1, 1), kWhite);
    EXPECT_EQ(countOf(kRed), 9);
}

TEST_F(CanvasTest, FillBoxOfOneRowAndEmptyBoxes) {
    canvas.FillBox(1, 5, 9, 6, kRed);  // the shape of one face row
    EXPECT_EQ(countOf(kRed), 8);
    canvas.FillBox(3, 3, 3, 7, 0);
    canvas.FillBox(6, 2, 4, 4, 0);
    EXPECT_EQ(countOf(0), 0);
}

TEST_F(CanvasTest, FillBoxClipsToTheImage) {
    canvas.FillBox(-3, -3, 2, 2, kRed);
    EXPECT_EQ(countOf(kRed), 4);
    canvas.FillBox(8, 6, 30, 30, 0);
    EXPECT_EQ(countOf(0), 4);
}

TEST_F(CanvasTest, TwoPointPolylineLeavesOutItsEndPixel) {
    canvas.Polyline({{1, 2}, {6, 2}}, kRed);
    EXPECT_EQ(countOf(kRed), 5);
    EXPECT_EQ(canvas.pixel(1, 2), kRed);
    EXPECT_EQ(canvas.pixel(5, 2), kRed);
    EXPECT_EQ(canvas.pixel(6, 2), kWhite);
}

TEST_F(CanvasTest, UpwardVerticalLineStartsAtItsFirstPoint) {
    canvas.Polyline({{3, 6}, {3, 1}}, kRed);
    EXPECT_EQ(canvas.pixel(3, 6), kRed);
    EXPECT_EQ(canvas.pixel(3, 2), kRed);
    EXPECT_EQ(canvas.pixel(3, 1), kWhite);
    EXPECT_EQ(countOf(kRed), 5);
}

TEST_F(CanvasTest, DiagonalLineSetsOnePixelPerStep) {
    canvas.Line({0, 0}, {4, 4}, kRed);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(canvas.pixel(i, i), kRed) << i;
    EXPECT_EQ(canvas.pixel(4, 4), kWhite);
    EXPECT_EQ(countOf(kRed), 4);
}

TEST_F(CanvasTest, ClosedPolylineDrawsEveryCornerOnce) {
    canvas.Polyline({{1, 1}, {5, 1}, {5, 4}, {1, 4}, {1, 1}}, kRed);
    // The outline of a 5 x 4 box: 2*5 + 2*4 - 4 pixels.
    EXPECT_EQ(countOf(kRed), 14);
    EXPECT_EQ(canvas.pixel(5, 4), kRed);
    EXPECT_EQ(canvas.pixel(3, 2), kWhite);
}

TEST_F(CanvasTest, DottedPenDrawsThreeOnThreeOffAlongThePolyline) {
    // The dot pattern of a one-pixel system pen, carried round the corner
    // of one polyline and started afresh by the next line.
    canvas.Polyline({{0, 0}, {8, 0}, {8, 3}}, kRed, PenStyle::Dotted);
    canvas.Line({0, 5}, {4, 5}, kRed, PenStyle::Dotted);
    QString row0, column8, row5;
    for (int x = 0; x < 9; ++x) row0 += canvas.pixel(x, 0) == kRed ? '#' : '.';
    for (int y = 0; y < 4; ++y) column8 += canvas.pixel(8, y) == kRed ? '#' : '.';
    for (int x = 0; x < 5; ++x) row5 += canvas.pixel(x, 5) == kRed ? '#' : '.';
    EXPECT_EQ(row0, "###...###");
    EXPECT_EQ(column8, "#...");  // pixels 8..10 of the polyline: on, off, off
    EXPECT_EQ(row5, "###..");
}

TEST_F(CanvasTest, SetPixelAndClip) {
    canvas.SetPixel(9, 7, kRed);
    canvas.SetPixel(10, 7, kRed);  // outside: ignored
    EXPECT_EQ(canvas.pixel(9, 7), kRed);
    canvas.setClip(QRegion(0, 0, 3, 3));
    canvas.FillBox(0, 0, 10, 8, 0);
    canvas.clearClip();
    EXPECT_EQ(countOf(0), 9);
}

// On a scaled display the surface has more pixels than the widget: each
// widget pixel covers a block of them, and blocks of neighbouring pixels meet
// with neither gap nor overlap, so a face painted row by row is whole.
class ScaledCanvasTest : public ::testing::TestWithParam<double> {};

TEST_P(ScaledCanvasTest, RowsOfAFaceLeaveNoImagePixelUnpainted) {
    const double ratio = GetParam();
    const QSize widget(97, 33);
    QImage image((QSizeF(widget) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    Canvas canvas(image);
    ASSERT_EQ(QSize(canvas.width(), canvas.height()), widget);
    for (int y = 0; y < widget.height(); ++y) canvas.FillBox(0, y, widget.width(), y + 1, kRed);
    int unpainted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) unpainted += image.pixel(x, y) != 0xFFFF0000u;
    EXPECT_EQ(unpainted, 0);
}

TEST_P(ScaledCanvasTest, APixelIsReadBackWhereItWasSetAndCoversItsBlock) {
    const double ratio = GetParam();
    QImage image((QSizeF(10, 8) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    Canvas canvas(image);
    canvas.SetPixel(3, 5, kRed);
    EXPECT_EQ(canvas.pixel(3, 5), kRed);
    EXPECT_EQ(canvas.pixel(4, 5), kWhite);
    EXPECT_EQ(canvas.pixel(3, 4), kWhite);
    const QRect block = canvas.imageRect(QRect(3, 5, 1, 1));
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) red += image.pixel(x, y) == 0xFFFF0000u;
    EXPECT_EQ(red, block.width() * block.height());
    EXPECT_GE(block.width(), 1);
}

INSTANTIATE_TEST_SUITE_P(DisplayScales, ScaledCanvasTest, ::testing::Values(1.0, 1.25, 1.5, 2.0));

}  // namespace
}  // namespace quellan::xp
