#include "frame/click_label.h"

#include <QMouseEvent>

namespace quellan {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* e) {
    m_click.press(e->button());
    e->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (m_click.release(e->button(), rect().contains(e->position().toPoint()))) emit Click();
    e->accept();
}

}  // namespace quellan
