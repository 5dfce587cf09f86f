#include "app/arrange_board.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/picture_store.h"
#include "common/units_and_codes.h"
#include "platform/built_in_picture.h"

namespace quellan {

namespace {

// The board and its wooden rim, cut from the game panel's picture: the
// cells stand exactly where they stand in the game.
const QRect kBoardPicture(0, 0, 284, 360);
const int kCellPixels = twipsToPixels(kCell);
const QPoint kFirstCell(twipsToPixels(kBoardLeft), twipsToPixels(kBoardTop));

}  // namespace

ArrangeBoard::ArrangeBoard(const ArrangementEditor& editor, const PictureStore& pictures,
                           QWidget* parent)
    : QWidget(parent),
      m_editor(editor),
      m_pictures(pictures),
      m_boardPicture(QPixmap::fromImage(pictures.board().toImage())) {
    setObjectName("arrangeBoard");
    setFixedSize(kBoardPicture.size());
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("左键按所选的工具摆放、转向或移走；右键移走棋子"));
}

void ArrangeBoard::setPreview(PieceKind kind) {
    m_preview = kind;
    update();
}

QRect ArrangeBoard::cellRect(int cell) {
    return {kFirstCell.x() + kCellPixels * columnOf(cell),
            kFirstCell.y() + kCellPixels * rowOf(cell), kCellPixels, kCellPixels};
}

int ArrangeBoard::cellAt(QPoint p) {
    const QPoint d = p - kFirstCell;
    if (d.x() < 0 || d.y() < 0) return -1;
    const int col = d.x() / kCellPixels, row = d.y() / kCellPixels;
    return col < kColumns && row < kRows ? cellIndex(col, row) : -1;
}

QRect ArrangeBoard::pieceRect(int corner, PieceKind kind) const {
    const Footprint fp = footprintOf(kind);
    const QRect first = cellRect(corner);
    return {first.topLeft(), QSize(kCellPixels * fp.w, kCellPixels * fp.h)};
}

void ArrangeBoard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(QRectF(rect()), m_boardPicture,
                 pictureArea(kBoardPicture, m_boardPicture.devicePixelRatio()));
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Each piece shows the picture it will have on the game board.
    const std::array<int, kCellCount> numbers = pieceNumbers(m_editor.corners());
    for (int cell = 0; cell < kCellCount; ++cell) {
        const PieceKind kind = m_editor.corners()[static_cast<std::size_t>(cell)];
        if (kind == PieceKind::None) continue;
        const int index = numbers[static_cast<std::size_t>(cell)];
        const QRect r = pieceRect(cell, kind).adjusted(1, 1, -1, -1);
        p.drawPixmap(r, m_pictures.piece(pictureOf(index, kind)));
        p.setPen(QColor(60, 30, 10));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (m_preview != PieceKind::None && m_hoverCell >= 0) {
        ArrangementEditor trial = m_editor;
        const bool fits = trial.place(m_preview, m_hoverCell) == EditResult::Done;
        const QColor c = fits ? QColor(60, 200, 60) : QColor(230, 50, 50);
        p.setPen(QPen(c, 3));
        p.setBrush(QColor(c.red(), c.green(), c.blue(), 60));
        p.drawRect(pieceRect(m_hoverCell, m_preview).adjusted(2, 2, -2, -2));
    }
}

void ArrangeBoard::mousePressEvent(QMouseEvent* event) {
    const int cell = cellAt(event->position().toPoint());
    if (cell >= 0) emit cellPressed(cell, event->button());
}

void ArrangeBoard::mouseMoveEvent(QMouseEvent* event) {
    const int cell = cellAt(event->position().toPoint());
    if (cell == m_hoverCell) return;
    m_hoverCell = cell;
    update();
}

void ArrangeBoard::leaveEvent(QEvent*) {
    m_hoverCell = -1;
    update();
}

}  // namespace quellan
