#pragma once
// Pictures for the widget tests.
#include <QColor>
#include <QPixmap>

namespace quellan::testing {

// A square of one colour: a picture with no key colour of its own.
inline QPixmap solidPicture(int side, QColor colour = Qt::red) {
    QPixmap p(side, side);
    p.fill(colour);
    return p;
}

}  // namespace quellan::testing
