#pragma once
// The look the game's own controls share: the undo button and the coach's,
// and the colours of the labels' text.
#include <QColor>
#include <QPalette>
#include <QWidget>
#include <QtGlobal>

namespace quellan::look {

// The system's button-face colour, as a widget colour value.
inline constexpr quint32 kButtonFace = 0x8000000F;

// Gives a label (or any widget) its text colour, leaving the rest of its
// palette as it is.
inline void setTextColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

}  // namespace quellan::look
