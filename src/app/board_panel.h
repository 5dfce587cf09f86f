#pragma once
// The game panel Picture1: the board picture with every control of the game
// on it. It reports presses and moves in twips and can drag the window by
// its margin.
#include <QPixmap>
#include <QPoint>
#include <QWidget>

namespace quellan {

class BoardPanel : public QWidget {
    Q_OBJECT

public:
    explicit BoardPanel(QWidget* parent = nullptr);
    void setBackground(const QPixmap& picture);

    // Moves the window with the mouse from the press at `globalPos`, as a
    // press on a title bar would.
    void startWindowDrag(QPoint globalPos);

signals:
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QPixmap m_background;
    bool m_following = false;  // moving the window by hand (no window manager help)
    QPoint m_grabOffset;
};

// The button and shift values of a mouse event as the game counts them:
// left 1, right 2, middle 4; shift 1, control 2, alt 4.
int buttonValue(Qt::MouseButton button);
int shiftValue(Qt::KeyboardModifiers modifiers);

}  // namespace quellan
