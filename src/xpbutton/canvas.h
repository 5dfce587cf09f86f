#pragma once
// A drawing surface over a QImage with the pixel rules the looks are written
// for: boxes cover x1..x2-1 by y1..y2-1, a line leaves out its end pixel, and
// single pixels are set directly. Text, pictures and curves go through
// QPainter on the same image.
//
// Every coordinate is in the widget's own pixels. An image with a device
// pixel ratio above 1 (a scaled display) holds more pixels than that: a
// widget pixel then covers the block of image pixels between the rounded
// scaled positions of its edges, so neighbouring boxes and lines meet with
// no gap, while text and pictures are drawn at the image's full detail.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <vector>

#include "xpbutton/ole_color.h"

class QFont;
class QPixmap;
class QString;

namespace quellan::xp {

enum class PenStyle { Solid, Dotted };

// A one-pixel dotted pen draws this many pixels, then leaves as many out.
inline constexpr int kDotLength = 3;

class Canvas {
  public:
    explicit Canvas(QImage& image);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Image pixels per widget pixel: 1 on an unscaled display.
    double scale() const { return m_scale; }
    QImage& image() { return m_image; }

    // Paints exactly the pixels x1..x2-1, y1..y2-1; nothing when the box is
    // empty. Pixels outside the image or the clip are skipped.
    void FillBox(int x1, int y1, int x2, int y2, Rgb colour);

    // Draws the open polyline through points with a 1-pixel pen: every
    // segment runs from its start pixel up to, but not including, its end
    // pixel. A dotted pen sets kDotLength pixels and leaves kDotLength out,
    // counted along the whole polyline from its first point.
    void Polyline(const std::vector<QPoint>& points, Rgb colour, PenStyle style = PenStyle::Solid);
    // A polyline of two points.
    void Line(QPoint from, QPoint to, Rgb colour, PenStyle style = PenStyle::Solid);

    // The colour of the pen selected last: boxes and lines select a pen of
    // their colour; a fresh surface holds a black pen.
    Rgb currentPen() const { return m_pen; }

    void SetPixel(int x, int y, Rgb colour);
    Rgb pixel(int x, int y) const;

    // Drawing is restricted to this region while it is set (elliptic shapes).
    void setClip(const QRegion& region);
    void clearClip();
    bool hasClip() const { return m_clipped; }

    // Text in a box, wrapped at word breaks and clipped to the box; "&"
    // underlines the access key after it and "&&" is one ampersand.
    void drawText(const QRect& box, int alignment, const QString& text, const QFont& font,
                  Rgb colour);
    // Draws the picture unscaled at (x, y), blended by its own alpha: each of
    // its pixels covers one pixel of the image (see imageRect).
    void drawPicture(int x, int y, const QImage& picture);

    // The pixels of the image that a box of widget pixels covers; the box
    // itself on an unscaled display.
    QRect imageRect(const QRect& box) const;

  private:
    bool visible(int x, int y) const;
    void segment(QPoint from, QPoint to, Rgb colour, PenStyle style);
    // The image column or row where the widget pixel `v` begins.
    int toImage(int v) const;
    void fillScaled(int left, int top, int right, int bottom, QRgb argb);

    QImage& m_image;
    double m_scale = 1.0;
    int m_width = 0;
    int m_height = 0;
    QRegion m_clip;
    QRegion m_imageClip;  // m_clip in the image's pixels
    bool m_clipped = false;
    int m_dotPhase = 0;
    Rgb m_pen = 0;
};

}  // namespace quellan::xp
