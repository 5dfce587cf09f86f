#pragma once
// A picture on the window that reports the mouse, like an image control:
// it shows its picture at its top left, or nothing at all (then whatever is
// painted beneath shows through). The frame's drag strip, caption buttons
// and the help icons are all of this kind.
#include <QPixmap>
#include <QWidget>

#include "frame/click_rule.h"

namespace quellan {

class ImageControl : public QWidget {
    Q_OBJECT

  public:
    explicit ImageControl(QWidget* parent = nullptr);

    const QPixmap& picture() const { return m_picture; }
    // A null picture shows nothing.
    void setPicture(const QPixmap& picture);

  signals:
    // Button and shift values as the buttons count them (platform/mouse_codes.h); the
    // point is on the screen.
    void MouseDown(int button, int shift, QPoint globalPos);
    void MouseMove(int button, int shift, QPoint globalPos);
    void MouseUp(int button, int shift, QPoint globalPos);
    void Click();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

  private:
    QPixmap m_picture;
    ClickRule m_click;
};

}  // namespace quellan
