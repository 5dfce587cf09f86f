#include "coach/arrangement_editor.h"

namespace quellan {

ArrangementEditor::ArrangementEditor(const Board& board) {
    for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& p = board.piece(i);
        const int cell = cellOf({p.left, p.top});
        if (cell >= 0) static_cast<void>(place(kindOf(i, p), cell));
    }
}

int ArrangementEditor::cornerCovering(int cell) const {
    if (cell < 0 || cell >= kCellCount) return -1;
    // A piece is at most two cells wide and high: its corner is the cell
    // itself or one to the left, above, or both.
    for (int dy = 0; dy <= 1 && dy <= rowOf(cell); ++dy)
        for (int dx = 0; dx <= 1 && dx <= columnOf(cell); ++dx) {
            const int corner = cell - cellIndex(dx, dy);
            const Footprint fp = footprintOf(m_corners[static_cast<std::size_t>(corner)]);
            if (dx < fp.w && dy < fp.h) return corner;
        }
    return -1;
}

bool ArrangementEditor::fits(PieceKind kind, int cell, int ignoredCorner) const {
    bool free = true;
    forEachCoveredCell(footprintOf(kind), cell, [&](int covered, int, int) {
        const int corner = cornerCovering(covered);
        if (corner >= 0 && corner != ignoredCorner) free = false;
    });
    return free;
}

int ArrangementEditor::piecesLeft(PieceKind kind) const {
    int placed = 0;
    for (const PieceKind k : m_corners)
        if (k == kind || (isGeneral(k) && isGeneral(kind))) ++placed;
    return kind == PieceKind::None ? 0 : piecesInSet(kind) - placed;
}

EditResult ArrangementEditor::place(PieceKind kind, int cell) {
    if (kind == PieceKind::None || !staysOnBoard(footprintOf(kind), cell))
        return EditResult::OffBoard;
    if (piecesLeft(kind) <= 0) return EditResult::NoneLeft;
    if (!fits(kind, cell, -1)) return EditResult::Overlap;
    m_corners[static_cast<std::size_t>(cell)] = kind;
    return EditResult::Done;
}

EditResult ArrangementEditor::remove(int cell) {
    const int corner = cornerCovering(cell);
    if (corner < 0) return EditResult::NoPiece;
    m_corners[static_cast<std::size_t>(corner)] = PieceKind::None;
    return EditResult::Done;
}

EditResult ArrangementEditor::turn(int cell) {
    const int corner = cornerCovering(cell);
    if (corner < 0) return EditResult::NoPiece;
    PieceKind& kind = m_corners[static_cast<std::size_t>(corner)];
    if (!isGeneral(kind)) return EditResult::NotGeneral;
    const PieceKind turned = kind == PieceKind::Upright ? PieceKind::Lying : PieceKind::Upright;
    if (!staysOnBoard(footprintOf(turned), corner)) return EditResult::OffBoard;
    if (!fits(turned, corner, corner)) return EditResult::Overlap;
    kind = turned;
    return EditResult::Done;
}

std::string missingPiecesText(const ArrangementEditor& editor) {
    struct Sort {
        PieceKind kind;
        const char* name;
    };
    std::string text;
    for (const Sort& k : {Sort{PieceKind::Commander, "曹操"}, Sort{PieceKind::Upright, "大将"},
                          Sort{PieceKind::Soldier, "兵"}}) {
        const int left = editor.piecesLeft(k.kind);
        if (left <= 0) continue;
        text += (text.empty() ? "还差：" : "、") + std::string(k.name) + " " + std::to_string(left);
    }
    return text;
}

std::string_view editResultText(EditResult result) {
    switch (result) {
        case EditResult::Done:
            break;
        case EditResult::OffBoard:
            return "放不下：棋子会超出棋盘。";
        case EditResult::Overlap:
            return "放不下：和别的棋子重叠了。";
        case EditResult::NoneLeft:
            return "这种棋子已经全部摆上了。";
        case EditResult::NoPiece:
            return "这里没有棋子。";
        case EditResult::NotGeneral:
            return "只有大将可以横竖转向。";
    }
    return {};
}

}  // namespace quellan
