#include "app/board_panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "app/game_panel_layout.h"

namespace quellan {

int buttonValue(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return 1;
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 4;
        default: return 0;
    }
}

int shiftValue(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

namespace {
int heldButtons(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}
}  // namespace

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

void BoardPanel::startWindowDrag(QPoint globalPos) {
    QWidget* top = window();
    if (QWindow* handle = top->windowHandle(); handle && handle->startSystemMove()) return;
    m_following = true;
    m_grabOffset = globalPos - top->frameGeometry().topLeft();
}

void BoardPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_background.isNull()) p.drawPixmap(0, 0, m_background);
}

void BoardPanel::mousePressEvent(QMouseEvent* e) {
    QPoint pos = e->position().toPoint();
    emit MouseDown(buttonValue(e->button()), shiftValue(e->modifiers()), layout::toTwips(pos.x()),
                   layout::toTwips(pos.y()));
}

void BoardPanel::mouseMoveEvent(QMouseEvent* e) {
    if (m_following && (e->buttons() & Qt::LeftButton)) {
        window()->move(e->globalPosition().toPoint() - m_grabOffset);
        return;
    }
    QPoint pos = e->position().toPoint();
    emit MouseMove(heldButtons(e->buttons()), shiftValue(e->modifiers()), layout::toTwips(pos.x()),
                   layout::toTwips(pos.y()));
}

void BoardPanel::mouseReleaseEvent(QMouseEvent*) { m_following = false; }

}  // namespace quellan
