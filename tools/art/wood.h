#pragma once
// Procedural materials for the game's pictures: wood with grain, parchment,
// and the bevel that makes a flat shape look carved. Everything is seeded, so
// the same build draws the same pixels on every run.
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <cstdint>

namespace art {

// Every picture is drawn once for plain displays and once more, from the
// same drawing, with twice the pixels for scaled displays ("@2x"). The
// drawing code works in the plain picture's pixels throughout; a picture
// made by newPicture holds drawingScale() pixels for each of them and
// carries that ratio, so a QPainter on it draws at its full detail.
void setDrawingScale(int scale);
int drawingScale();
QImage newPicture(int width, int height, QImage::Format format);
inline QImage newPicture(QSize size, QImage::Format format) {
    return newPicture(size.width(), size.height(), format);
}
// Where the centre of pixel `v` of a picture lies in plain pixels.
inline double plainAt(int v) { return (v + 0.5) / drawingScale() - 0.5; }

// Smooth value noise in 0..1 and a sum of octaves of it.
double valueNoise(double x, double y, std::uint32_t seed);
double fractalNoise(double x, double y, std::uint32_t seed, int octaves);

QColor mix(const QColor& a, const QColor& b, double t);

struct WoodTone {
    QColor light;   // early wood between the rings
    QColor dark;    // the rings and streaks
    double rings;   // ring spacing across the grain, in pixels
    double streak;  // strength of the fine fibres along the grain, 0..1
};

inline constexpr WoodTone kPaleWood{QColor(236, 205, 150), QColor(196, 146, 86), 9.0, 0.45};
inline constexpr WoodTone kHoneyWood{QColor(226, 184, 120), QColor(178, 120, 62), 8.0, 0.5};
inline constexpr WoodTone kWalnut{QColor(126, 78, 42), QColor(70, 38, 18), 11.0, 0.55};
inline constexpr WoodTone kRosewood{QColor(142, 58, 34), QColor(84, 28, 16), 7.0, 0.5};
inline constexpr WoodTone kTrayFloor{QColor(104, 66, 36), QColor(78, 46, 24), 14.0, 0.35};

// A wood surface of `width` x `height`; the grain runs along x when
// `alongX`, along y otherwise.
QImage woodTexture(int width, int height, const WoodTone& tone, std::uint32_t seed, bool alongX);

// Light parchment with soft clouds and faint fibres.
QImage parchmentTexture(int width, int height, std::uint32_t seed);

// Lights the top-left rim of `shape` and shades its bottom-right rim over a
// band `depth` pixels wide; a negative depth sinks the shape instead.
void paintBevel(QImage& image, const QPainterPath& shape, double depth, int strength);

}  // namespace art
