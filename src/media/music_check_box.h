#pragma once
// The music option `Check1`: a three-state box with the values 0 (off), 1 (on)
// and 2 (grey: on, but suspended after a win until the next layout).
#include <QCheckBox>

namespace quellan {

class MusicCheckBox : public QCheckBox {
    Q_OBJECT

  public:
    explicit MusicCheckBox(QWidget* parent = nullptr);

    // 0, 1 or 2.
    int value() const;
    // Assigning a value in code runs the same handler as a click: valueChanged
    // is emitted when the value changes. Values outside 0..2 are refused and
    // leave the box as it was (returns false).
    bool setValue(int value);

  signals:
    // The box's change handler, `Check1_Click`: emitted for clicks and for
    // values assigned in code alike.
    void valueChanged(int value);

  protected:
    // A click never makes the box grey: clear and set alternate, and a grey
    // box becomes set.
    void nextCheckState() override;
};

}  // namespace quellan
