#include "app/hint_mark.h"

#include <QPainter>

namespace quellan {

HintMark::HintMark(QWidget* parent) : QWidget(parent) {
    setObjectName("coachHintMark");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void HintMark::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cell = QRectF(rect()).adjusted(6, 6, -6, -6);
    p.setPen(QPen(QColor(255, 200, 0), 4));
    p.setBrush(QColor(255, 220, 0, 70));
    p.drawEllipse(cell);
}

}  // namespace quellan
