#pragma once
// The workshop's board: the game's own board picture with the pieces of an
// arrangement on it, and under the mouse the outline of the piece a press
// would place (green where it fits, red where it does not). It reports
// presses by cell; the arrangement's rules stay in the editor.
#include <QPixmap>
#include <QWidget>

#include "coach/arrangement_editor.h"

namespace quellan {

class PictureStore;

class ArrangeBoard : public QWidget {
    Q_OBJECT

  public:
    ArrangeBoard(const ArrangementEditor& editor, const PictureStore& pictures,
                 QWidget* parent = nullptr);

    // The piece a press would place (None: no outline).
    void setPreview(PieceKind kind);
    // The board picture as this board paints it, for the dialog's panel.
    const QPixmap& boardPicture() const { return m_boardPicture; }
    // The pixel rectangle of cell 0..19, for tests and tools.
    static QRect cellRect(int cell);

  signals:
    void cellPressed(int cell, Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void leaveEvent(QEvent*) override;

  private:
    static int cellAt(QPoint p);
    QRect pieceRect(int corner, PieceKind kind) const;

    const ArrangementEditor& m_editor;
    const PictureStore& m_pictures;
    // Stretched in parts here, so a pixmap while the dialog is open.
    const QPixmap m_boardPicture;
    PieceKind m_preview = PieceKind::None;
    int m_hoverCell = -1;
};

}  // namespace quellan
