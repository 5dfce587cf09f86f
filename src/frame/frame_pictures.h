#pragma once
// The pictures of the frame, built into the program: the skin (`Pmain`),
// the hover and pressed pictures of the caption buttons (`ImMin1`,
// `ImMin2`, `ImClose1`, `ImClose2`) and the help icons (`Image8` to
// `Image10`).
#include <QImage>
#include <QPixmap>

namespace quellan {

struct FramePictures {
    FramePictures();

    QImage skin;  // 271 x 218
    QPixmap minimiseHover, minimisePressed;
    QPixmap closeHover, closePressed;
    QPixmap help, about;  // 16 x 16
    QPixmap web;          // 31 x 31
};

}  // namespace quellan
