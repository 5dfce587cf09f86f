#pragma once
// Paints the window frame from the skin picture and turns the outline's
// shapes into the window's region.
#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>

#include "frame_model/frame_geometry.h"

namespace quellan {

// The frame of a window of `pixels` size: the nine stretched copies of the
// skin and the icon, then the caption in white at the caption position.
// Everything the copies do not reach is transparent. The surface has
// `ratio` device pixels per window pixel and carries that ratio.
QImage paintFrame(QSize pixels, double ratio, const QImage& skin, const QImage& icon,
                  const QString& caption, const QFont& font);

QRegion toRegion(const std::array<frame::RegionShape, 6>& shapes);

}  // namespace quellan
