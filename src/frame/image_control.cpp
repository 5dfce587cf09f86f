#include "frame/image_control.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/mouse_codes.h"

namespace quellan {

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void ImageControl::setPicture(const QPixmap& picture) {
    if (picture.cacheKey() == m_picture.cacheKey()) return;
    m_picture = picture;
    update();
}

void ImageControl::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void ImageControl::mousePressEvent(QMouseEvent* e) {
    m_click.press(e->button());
    emit MouseDown(buttonCode(e->button()), shiftCode(e->modifiers()),
                   e->globalPosition().toPoint());
}

void ImageControl::mouseMoveEvent(QMouseEvent* e) {
    emit MouseMove(buttonsCode(e->buttons()), shiftCode(e->modifiers()),
                   e->globalPosition().toPoint());
}

void ImageControl::mouseReleaseEvent(QMouseEvent* e) {
    const bool inside = rect().contains(e->position().toPoint());
    emit MouseUp(buttonCode(e->button()), shiftCode(e->modifiers()), e->globalPosition().toPoint());
    if (m_click.release(e->button(), inside)) emit Click();
}

}  // namespace quellan
