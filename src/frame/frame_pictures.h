#pragma once
// The pictures of the frame, built into the program: the skin (`Pmain`),
// the hover and pressed pictures of the caption buttons (`ImMin1`,
// `ImMin2`, `ImClose1`, `ImClose2`) and the help icons (`Image8` to
// `Image10`).
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QSize>

namespace quellan {

struct FramePictures {
    FramePictures();

    // The skin (271 x 218), unpacked for each repaint of the frame: between
    // repaints it is kept as its colours and its packed pixels.
    QImage skin() const;
    QPixmap minimiseHover, minimisePressed;
    QPixmap closeHover, closePressed;
    QPixmap help, about;  // 16 x 16
    QPixmap web;          // 31 x 31

  private:
    QSize m_skinPixels;
    qreal m_skinRatio = 1.0;
    QList<QRgb> m_skinColours;
    QByteArray m_skinIndexes;  // its pixels' colour numbers, row by row, packed
    QImage m_fullColourSkin;   // a skin with too many colours, kept as it is
};

}  // namespace quellan
