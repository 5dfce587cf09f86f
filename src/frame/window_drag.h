#pragma once
// Moving the frameless window with the mouse, as a press on a title bar
// would: the window system's own move where it offers one, otherwise the
// window follows the mouse until the button comes up.
#include <QPoint>

class QWidget;

namespace quellan {

// `pressed` is the widget that received the left press at `globalPos`; it
// keeps the mouse until the release.
void startWindowDrag(QWidget* pressed, QPoint globalPos);

}  // namespace quellan
