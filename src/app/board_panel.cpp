#include "app/board_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/game_panel_layout.h"
#include "frame/window_drag.h"

namespace quellan {

BoardPanel::BoardPanel(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    // The panel takes the focus only after a press has been handled (see
    // frmMain), so a press never clears the selection before the move.
    setFocusPolicy(Qt::NoFocus);
}

void BoardPanel::setBackground(const QPixmap& picture) {
    m_background = picture;
    update();
}

void BoardPanel::startWindowDrag() { ::quellan::startWindowDrag(this, m_pressedAt); }

void BoardPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_background.isNull()) p.drawPixmap(0, 0, m_background);
}

void BoardPanel::mousePressEvent(QMouseEvent* e) {
    QPoint pos = e->position().toPoint();
    m_pressedAt = e->globalPosition().toPoint();
    emit MouseDown(xp::buttonCode(e->button()), xp::shiftCode(e->modifiers()),
                   layout::toTwips(pos.x()), layout::toTwips(pos.y()));
}

void BoardPanel::mouseMoveEvent(QMouseEvent* e) {
    QPoint pos = e->position().toPoint();
    emit MouseMove(xp::buttonsCode(e->buttons()), xp::shiftCode(e->modifiers()),
                   layout::toTwips(pos.x()), layout::toTwips(pos.y()));
}

}  // namespace quellan
