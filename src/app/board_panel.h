#pragma once
// The game panel Picture1: the board picture with every control of the game
// on it. It reports presses and moves in twips; a press on its margin drags
// the window like a press on the frame.
#include <QPoint>
#include <QWidget>

namespace quellan {

class BoardPicture;

class BoardPanel : public QWidget {
    Q_OBJECT

  public:
    explicit BoardPanel(QWidget* parent = nullptr);
    // The picture painted under the controls; it stays the caller's.
    void setBackground(const BoardPicture* picture);

    // Moves the window with the mouse from the last press, as a press on
    // the title bar would.
    void startWindowDrag();

  signals:
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

  private:
    const BoardPicture* m_background = nullptr;
    QPoint m_pressedAt;  // on the screen
};

}  // namespace quellan
