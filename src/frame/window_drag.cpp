#include "frame/window_drag.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace quellan {

namespace {

// Watches the pressed widget's mouse events and moves its window with the
// mouse; removes itself when the left button comes up.
class MouseFollower : public QObject {
  public:
    MouseFollower(QWidget* pressed, QPoint grabOffset)
        : QObject(pressed), m_window(pressed->window()), m_grabOffset(grabOffset) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            auto* e = static_cast<QMouseEvent*>(event);
            if (!(e->buttons() & Qt::LeftButton)) {
                finish(watched);
                return false;
            }
            if (m_window) m_window->move(e->globalPosition().toPoint() - m_grabOffset);
            return true;  // a drag is not a move over the control
        }
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            finish(watched);
        }
        return false;
    }

  private:
    void finish(QObject* watched) {
        watched->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QWidget> m_window;
    QPoint m_grabOffset;
};

}  // namespace

void startWindowDrag(QWidget* pressed, QPoint globalPos) {
    QWidget* top = pressed->window();
    if (QWindow* handle = top->windowHandle()) {
        // The window manager moves the window from where the pointer is when
        // it takes over; on a busy machine the pointer may already have gone
        // on from the press. The window first catches up that way, so the
        // drag moves it by exactly the pointer's way.
        const QPoint before = top->pos();
        const QPoint gone = QCursor::pos() - globalPos;
        if (!gone.isNull()) top->move(before + gone);
        if (handle->startSystemMove()) return;
        top->move(before);
    }
    // One mouse, one drag: a drag whose release never came ends here.
    static QPointer<QObject> active;
    delete active.data();
    auto* follower = new MouseFollower(pressed, globalPos - top->frameGeometry().topLeft());
    pressed->installEventFilter(follower);
    active = follower;
}

}  // namespace quellan
