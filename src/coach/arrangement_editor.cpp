#include "coach/arrangement_editor.h"

#include "coach/packed_position.h"

namespace quellan {

namespace {

constexpr int kCommanders = 1;
constexpr int kGenerals = kLastGeneral - kFirstGeneral + 1;
constexpr int kSoldiers = kPieceCount - kFirstSoldier + 1;

bool isGeneral(CornerShape s) { return s == CornerShape::Upright || s == CornerShape::Lying; }

CornerShape shapeOf(int index, const Piece& piece) {
    switch (kindOf(index)) {
        case PieceKind::Commander:
            return CornerShape::Commander;
        case PieceKind::Soldier:
            return CornerShape::Soldier;
        case PieceKind::General:
            break;
    }
    const Footprint fp = footprintOf(index, piece);
    if (fp.w == 1 && fp.h == 2) return CornerShape::Upright;
    if (fp.w == 2 && fp.h == 1) return CornerShape::Lying;
    return CornerShape::None;
}

}  // namespace

Footprint footprintOfShape(CornerShape shape) {
    switch (shape) {
        case CornerShape::None:
            return {0, 0};
        case CornerShape::Commander:
            return {2, 2};
        case CornerShape::Upright:
            return {1, 2};
        case CornerShape::Lying:
            return {2, 1};
        case CornerShape::Soldier:
            break;
    }
    return {1, 1};
}

ArrangementEditor::ArrangementEditor(const Board& board) {
    for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& p = board.piece(i);
        const int cell = packed::cellAt({p.left, p.top});
        if (cell >= 0) static_cast<void>(place(shapeOf(i, p), cell));
    }
}

int ArrangementEditor::cornerCovering(int cell) const {
    if (cell < 0 || cell >= kCellCount) return -1;
    const int col = cell % kColumns, row = cell / kColumns;
    // A piece is at most two cells wide and high: its corner is the cell
    // itself or one to the left, above, or both.
    for (int dy = 0; dy <= 1 && dy <= row; ++dy)
        for (int dx = 0; dx <= 1 && dx <= col; ++dx) {
            const int corner = cell - dy * kColumns - dx;
            const Footprint fp = footprintOfShape(m_corners[static_cast<std::size_t>(corner)]);
            if (dx < fp.w && dy < fp.h) return corner;
        }
    return -1;
}

bool ArrangementEditor::fits(CornerShape shape, int cell, int ignoredCorner) const {
    const Footprint fp = footprintOfShape(shape);
    const int col = cell % kColumns, row = cell / kColumns;
    for (int dy = 0; dy < fp.h; ++dy)
        for (int dx = 0; dx < fp.w; ++dx) {
            const int covering = cornerCovering((row + dy) * kColumns + col + dx);
            if (covering >= 0 && covering != ignoredCorner) return false;
        }
    return true;
}

int ArrangementEditor::piecesLeft(CornerShape shape) const {
    int placed = 0;
    for (const CornerShape s : m_corners)
        if (s == shape || (isGeneral(s) && isGeneral(shape))) ++placed;
    switch (shape) {
        case CornerShape::None:
            return 0;
        case CornerShape::Commander:
            return kCommanders - placed;
        case CornerShape::Upright:
        case CornerShape::Lying:
            return kGenerals - placed;
        case CornerShape::Soldier:
            break;
    }
    return kSoldiers - placed;
}

EditResult ArrangementEditor::place(CornerShape shape, int cell) {
    if (shape == CornerShape::None || cell < 0 || cell >= kCellCount) return EditResult::OffBoard;
    const Footprint fp = footprintOfShape(shape);
    if (cell % kColumns + fp.w > kColumns || cell / kColumns + fp.h > kRows)
        return EditResult::OffBoard;
    if (piecesLeft(shape) <= 0) return EditResult::NoneLeft;
    if (!fits(shape, cell, -1)) return EditResult::Overlap;
    m_corners[static_cast<std::size_t>(cell)] = shape;
    return EditResult::Done;
}

EditResult ArrangementEditor::remove(int cell) {
    const int corner = cornerCovering(cell);
    if (corner < 0) return EditResult::NoPiece;
    m_corners[static_cast<std::size_t>(corner)] = CornerShape::None;
    return EditResult::Done;
}

EditResult ArrangementEditor::turn(int cell) {
    const int corner = cornerCovering(cell);
    if (corner < 0) return EditResult::NoPiece;
    CornerShape& shape = m_corners[static_cast<std::size_t>(corner)];
    if (!isGeneral(shape)) return EditResult::NotGeneral;
    const CornerShape turned =
        shape == CornerShape::Upright ? CornerShape::Lying : CornerShape::Upright;
    const Footprint fp = footprintOfShape(turned);
    if (corner % kColumns + fp.w > kColumns || corner / kColumns + fp.h > kRows)
        return EditResult::OffBoard;
    if (!fits(turned, corner, corner)) return EditResult::Overlap;
    shape = turned;
    return EditResult::Done;
}

std::string missingPiecesText(const ArrangementEditor& editor) {
    struct Kind {
        CornerShape shape;
        const char* name;
    };
    std::string text;
    for (const Kind& k : {Kind{CornerShape::Commander, "曹操"}, Kind{CornerShape::Upright, "大将"},
                          Kind{CornerShape::Soldier, "兵"}}) {
        const int left = editor.piecesLeft(k.shape);
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
