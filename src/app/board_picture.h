#pragma once
// The board picture as the game panel paints it. It is kept as decoded
// until `pack` is asked for; the packing (packed_picture.h) is done off the
// UI thread, and from then on each repaint unpacks only the tiles under it.
// The pixels painted are the same either way.
#include <QImage>
#include <QPainter>
#include <QRect>

#include "app/background_figures.h"
#include "app/packed_picture.h"

namespace quellan {

class BoardPicture {
  public:
    BoardPicture();

    void setPicture(QImage picture);
    // Paints the picture with its top-left corner at (0, 0) for a repaint
    // of `area`.
    void paint(QPainter& painter, const QRect& area) const;
    // The whole picture.
    QImage toImage() const;
    // Packs the picture in the background; the decoded one goes once done.
    void pack();
    bool isPacked() const { return !m_packed.isNull(); }

  private:
    QImage m_decoded;
    PackedPicture m_packed;
    BackgroundFigures<PackedPicture> m_packing;
};

}  // namespace quellan
