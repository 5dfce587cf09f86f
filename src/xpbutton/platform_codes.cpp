#include "xpbutton/platform_codes.h"

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

bool cursorShapeOf(int pointer, Qt::CursorShape& shape) {
    switch (pointer) {
        case 0:
        case 1:
            shape = Qt::ArrowCursor;
            return true;
        case 2:
            shape = Qt::CrossCursor;
            return true;
        case 3:
            shape = Qt::IBeamCursor;
            return true;
        case 4:
            shape = Qt::ArrowCursor;
            return true;  // the old "icon" cursor
        case 5:
            shape = Qt::SizeAllCursor;
            return true;
        case 6:
            shape = Qt::SizeBDiagCursor;
            return true;
        case 7:
            shape = Qt::SizeVerCursor;
            return true;
        case 8:
            shape = Qt::SizeFDiagCursor;
            return true;
        case 9:
            shape = Qt::SizeHorCursor;
            return true;
        case 10:
            shape = Qt::UpArrowCursor;
            return true;
        case 11:
            shape = Qt::WaitCursor;
            return true;
        case 12:
            shape = Qt::ForbiddenCursor;
            return true;
        case 13:
            shape = Qt::BusyCursor;
            return true;
        case 14:
            shape = Qt::WhatsThisCursor;
            return true;
        case 15:
            shape = Qt::SizeAllCursor;
            return true;
        default:
            return false;
    }
}

}  // namespace quellan::xp
