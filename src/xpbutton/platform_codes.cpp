#include "xpbutton/platform_codes.h"

#include <array>

namespace quellan::xp {

int virtualKeyCode(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return qtKey;  // digits and capital letters share their codes
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyEnter;
        case Qt::Key_Shift:
            return kKeyShift;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Pause:
            return 19;
        case Qt::Key_CapsLock:
            return 20;
        case Qt::Key_Escape:
            return kKeyEscape;
        case Qt::Key_Space:
            return kKeySpace;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Up:
            return kKeyUp;
        case Qt::Key_Right:
            return kKeyRight;
        case Qt::Key_Down:
            return kKeyDown;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        default:
            return 0;
    }
}

std::optional<Qt::CursorShape> cursorShapeOf(int pointer) {
    // Indexed by the kinds 0 (default) to 15 (size all).
    static constexpr std::array<Qt::CursorShape, kPointerSizeAll + 1> kShapes{
        Qt::ArrowCursor,   Qt::ArrowCursor,     Qt::CrossCursor,   Qt::IBeamCursor,
        Qt::ArrowCursor,  // the old "icon" cursor
        Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor,
        Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,    Qt::ForbiddenCursor,
        Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor,
    };
    if (pointer < kPointerDefault || pointer > kPointerSizeAll) return std::nullopt;
    return kShapes[static_cast<size_t>(pointer)];
}

}  // namespace quellan::xp
