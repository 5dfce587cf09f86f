#include "app/board_panel.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/board_picture.h"
#include "common/units_and_codes.h"
#include "frame/window_drag.h"
#include "platform/mouse_codes.h"

namespace quellan {

BoardPanel::BoardPanel(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    // The panel takes the focus only after a press has been handled (see
    // frmMain), so a press never clears the selection before the move.
    setFocusPolicy(Qt::NoFocus);
}

void BoardPanel::setBackground(const BoardPicture* picture) {
    m_background = picture;
    update();
}

void BoardPanel::startWindowDrag() { ::quellan::startWindowDrag(this, m_pressedAt); }

void BoardPanel::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (m_background) m_background->paint(p, event->rect());
}

void BoardPanel::mousePressEvent(QMouseEvent* e) {
    QPoint pos = e->position().toPoint();
    m_pressedAt = e->globalPosition().toPoint();
    emit MouseDown(buttonCode(e->button()), shiftCode(e->modifiers()), eventTwips(pos.x()),
                   eventTwips(pos.y()));
}

void BoardPanel::mouseMoveEvent(QMouseEvent* e) {
    QPoint pos = e->position().toPoint();
    emit MouseMove(buttonsCode(e->buttons()), shiftCode(e->modifiers()), eventTwips(pos.x()),
                   eventTwips(pos.y()));
}

}  // namespace quellan
