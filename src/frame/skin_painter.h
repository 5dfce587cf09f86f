#pragma once
// Paints the window frame from the skin picture and turns the outline's
// shapes into the window's region.
#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>

#include "frame_model/frame_geometry.h"

class QPainter;

namespace quellan {

// Paints the frame of a window of `pixels` size with `p`: the nine
// stretched copies of the skin and the icon, then the caption in white at
// the caption position. What the copies do not reach is left as it was.
// On a scaled display the painter's device has the display's pixels, so
// the frame is as sharp as the rest of the window.
void paintFrame(QPainter& p, QSize pixels, const QImage& skin, const QImage& icon,
                const QString& caption, const QFont& font);

QRegion toRegion(const std::array<frame::RegionShape, 6>& shapes);

}  // namespace quellan
