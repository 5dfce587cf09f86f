// XPButton: drag and drop. The platform's notifications pass through as the
// six OLE events; effects use the drop effect codes 1 copy, 2 move, 4 link.
// A widget takes drops once its owner calls setAcceptDrops(true).
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>

#include "xpbutton/platform_codes.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

namespace {

constexpr int kEffectCopy = 1;
constexpr int kEffectMove = 2;
constexpr int kEffectLink = 4;
constexpr int kDragEnter = 0;
constexpr int kDragLeave = 1;
constexpr int kDragOver = 2;

int effectsOf(Qt::DropActions actions) {
    int e = 0;
    if (actions & Qt::CopyAction) e |= kEffectCopy;
    if (actions & Qt::MoveAction) e |= kEffectMove;
    if (actions & Qt::LinkAction) e |= kEffectLink;
    return e;
}

Qt::DropActions actionsOf(int effects) {
    Qt::DropActions a;
    if (effects & kEffectCopy) a |= Qt::CopyAction;
    if (effects & kEffectMove) a |= Qt::MoveAction;
    if (effects & kEffectLink) a |= Qt::LinkAction;
    return a;
}

// The one action a target settles on: copy before move before link.
Qt::DropAction actionOf(int effects) {
    if (effects & kEffectCopy) return Qt::CopyAction;
    if (effects & kEffectMove) return Qt::MoveAction;
    if (effects & kEffectLink) return Qt::LinkAction;
    return Qt::IgnoreAction;
}

// The clipboard format codes of the formats a drag carries most often.
int dataFormatOf(const QString& mimeType) {
    if (mimeType == QLatin1String("text/plain")) return 1;
    if (mimeType.startsWith(QLatin1String("image/"))) return 2;
    if (mimeType == QLatin1String("text/uri-list")) return 15;
    if (mimeType == QLatin1String("text/rtf")) return -16639;
    return 0;
}

// The data of a drag started by the widget. A format set with empty data is
// only promised: the first time a target asks for it, OLESetData lets the
// owner supply it.
class DragData : public QMimeData {
  public:
    explicit DragData(XPButton* source) : m_source(source) {}

  protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override {
        if (m_source && formats().contains(mimeType) && data(mimeType).isEmpty()) {
            int format = dataFormatOf(mimeType);
            emit m_source->OLESetData(const_cast<DragData*>(this), format);
        }
        return QMimeData::retrieveData(mimeType, type);
    }

  private:
    QPointer<XPButton> m_source;
};

// Takes the effect the owner left: the drop is refused without one.
void settle(QDropEvent* event, int effect) {
    effect &= effectsOf(event->possibleActions());
    if (effect == 0) {
        event->ignore();
        return;
    }
    event->setDropAction(actionOf(effect));
    event->accept();
}

void passDragOver(XPButton& button, QDragMoveEvent* event, int state) {
    int effect = effectsOf(event->possibleActions());
    const QPointF p = event->position();
    emit button.OLEDragOver(event->mimeData(), effect, buttonsCode(event->buttons()),
                            shiftCode(event->modifiers()), float(p.x()), float(p.y()), state);
    settle(event, effect);
}

}  // namespace

void XPButton::dragEnterEvent(QDragEnterEvent* event) { passDragOver(*this, event, kDragEnter); }

void XPButton::dragMoveEvent(QDragMoveEvent* event) { passDragOver(*this, event, kDragOver); }

void XPButton::dragLeaveEvent(QDragLeaveEvent* event) {
    // The platform tells neither the data nor the place of a leaving drag.
    int effect = 0;
    emit OLEDragOver(nullptr, effect, 0, 0, -1.0f, -1.0f, kDragLeave);
    event->accept();
}

void XPButton::dropEvent(QDropEvent* event) {
    int effect = effectsOf(event->dropAction());
    const QPointF p = event->position();
    emit OLEDragDrop(event->mimeData(), effect, buttonsCode(event->buttons()),
                     shiftCode(event->modifiers()), float(p.x()), float(p.y()));
    settle(event, effect);
}

void XPButton::OLEDrag() {
    auto* data = new DragData(this);
    int allowed = kEffectCopy | kEffectMove;
    emit OLEStartDrag(data, allowed);
    if ((allowed & (kEffectCopy | kEffectMove | kEffectLink)) == 0) {
        delete data;
        int effect = 0;
        emit OLECompleteDrag(effect);
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    connect(drag, &QDrag::actionChanged, this, [this](Qt::DropAction action) {
        int effect = effectsOf(action);
        bool defaultCursors = true;
        emit OLEGiveFeedback(effect, defaultCursors);
    });
    int effect = effectsOf(drag->exec(actionsOf(allowed), actionOf(allowed)));
    drag->deleteLater();
    emit OLECompleteDrag(effect);
}

}  // namespace quellan
