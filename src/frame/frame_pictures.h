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

    // The skin (271 x 218) as each repaint of the frame paints it.
    QImage skin() const;
    // Packs the skin's pixels from now on (done once the window is up):
    // between repaints it is kept as its colours and its packed colour
    // numbers, and each repaint unpacks it.
    void packSkin();
    QPixmap minimiseHover, minimisePressed;
    QPixmap closeHover, closePressed;
    QPixmap help, about;  // 16 x 16
    QPixmap web;          // 31 x 31

  private:
    QImage m_skin;  // as decoded, with a colour table where it has few colours
    QSize m_packedPixels;
    qreal m_packedRatio = 1.0;
    QList<QRgb> m_packedColours;
    QByteArray m_packedIndexes;  // the colour numbers as the picture lays them out, packed
};

}  // namespace quellan
