#pragma once
// The mark a hint leaves on the board: a ring round the free cell the
// hinted piece should enter. Presses go through it to the board.
#include <QWidget>

namespace quellan {

class HintMark : public QWidget {
  public:
    explicit HintMark(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace quellan
