#include "wood.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace art {

namespace {

double lattice(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B1u ^ static_cast<std::uint32_t>(x) * 0x85EBCA77u ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return (h & 0xFFFFFFu) / double(0xFFFFFF);
}

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

int g_scale = 1;

}  // namespace

void setDrawingScale(int scale) { g_scale = scale; }

int drawingScale() { return g_scale; }

QImage newPicture(int width, int height, QImage::Format format) {
    QImage image(width * g_scale, height * g_scale, format);
    image.setDevicePixelRatio(g_scale);
    return image;
}

double valueNoise(double x, double y, std::uint32_t seed) {
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double fx = smooth(x - x0), fy = smooth(y - y0);
    const double top = lattice(x0, y0, seed) * (1 - fx) + lattice(x0 + 1, y0, seed) * fx;
    const double bottom = lattice(x0, y0 + 1, seed) * (1 - fx) + lattice(x0 + 1, y0 + 1, seed) * fx;
    return top * (1 - fy) + bottom * fy;
}

double fractalNoise(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(x, y, seed + 17u * std::uint32_t(i)) * weight;
        total += weight;
        x *= 2.03;
        y *= 2.03;
        weight *= 0.5;
    }
    return sum / total;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QImage woodTexture(int width, int height, const WoodTone& tone, std::uint32_t seed, bool alongX) {
    QImage image = newPicture(width, height, QImage::Format_ARGB32);
    for (int py = 0; py < image.height(); ++py) {
        for (int px = 0; px < image.width(); ++px) {
            const double x = plainAt(px), y = plainAt(py);
            const double along = alongX ? x : y, across = alongX ? y : x;
            // Rings bent by slow noise, then sharpened so the late wood is thin.
            const double bend = fractalNoise(along / 70.0, across / 30.0, seed, 3);
            const double ring = across / tone.rings + 3.2 * bend;
            const double wave = std::pow(0.5 + 0.5 * std::sin(ring * 2 * std::numbers::pi), 2.5);
            const double fibre = fractalNoise(along / 22.0, across / 1.4, seed + 101u, 2);
            const double cloud = fractalNoise(x / 45.0, y / 45.0, seed + 7u, 2);
            const double t = 0.5 * wave + tone.streak * (fibre - 0.5) + 0.35 * (cloud - 0.5) + 0.2;
            image.setPixelColor(px, py, mix(tone.light, tone.dark, t));
        }
    }
    return image;
}

QImage parchmentTexture(int width, int height, std::uint32_t seed) {
    const QColor paper(246, 236, 210), shade(228, 210, 172);
    QImage image = newPicture(width, height, QImage::Format_ARGB32);
    for (int py = 0; py < image.height(); ++py) {
        for (int px = 0; px < image.width(); ++px) {
            const double x = plainAt(px), y = plainAt(py);
            const double cloud = fractalNoise(x / 60.0, y / 60.0, seed, 4);
            const double fibre = fractalNoise(x / 9.0, y / 1.6, seed + 31u, 2);
            const double t = 0.7 * (cloud - 0.35) + 0.25 * (fibre - 0.5);
            image.setPixelColor(px, py, mix(paper, shade, t));
        }
    }
    return image;
}

void paintBevel(QImage& image, const QPainterPath& shape, double depth, int strength) {
    const bool raised = depth > 0;
    const int band = int(std::lround(std::abs(depth)));
    if (band == 0) return;
    QColor light(255, 246, 222), dark(36, 18, 4);
    light.setAlpha(std::max(1, strength / band));
    dark.setAlpha(std::max(1, strength / band));
    // The rim lies where the shape does not cover a copy of itself shifted
    // towards the light (or away from it). Stacking one ring per pixel of
    // depth makes the rim brightest at the very edge and fade into the face.
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 1; i <= band; ++i) {
        const QPainterPath topLeft = shape.subtracted(shape.translated(i, i));
        const QPainterPath bottomRight = shape.subtracted(shape.translated(-i, -i));
        p.fillPath(topLeft, raised ? light : dark);
        p.fillPath(bottomRight, raised ? dark : light);
    }
}

}  // namespace art
