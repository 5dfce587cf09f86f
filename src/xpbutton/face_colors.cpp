#include "xpbutton/face_colors.h"

namespace quellan::xp {

namespace {
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kGrey = 0x808080;
}  // namespace

FaceColors computeFaceColors(int buttonStyle, Rgb face, Rgb hover) {
    FaceColors c{face, face, hover, 0};
    switch (buttonStyle) {
        case kStyleTheme:
            // The theme look lightens the face; its pressed face is taken
            // from the lightened one.
            c.face = AdjustColor(face, 48, true);
            c.pressed = AdjustColor(c.face, -32, true);
            c.hover = AdjustColor(hover, 48, true);
            c.value = AdjustColor(kWhite, -32, true);
            break;
        case kStyleFlatFramed:
            c.pressed = AdjustColor(kGrey, 12);
            c.value = AdjustColor(c.pressed, 31);
            break;
        case kStyleBlackFrame:
            c.face = AdjustColor(face, 31);
            c.pressed = AdjustColor(kGrey, -16);
            c.hover = AdjustColor(hover, 31);
            c.value = AdjustColor(kGrey, 16, true);
            break;
        default:
            c.value = AdjustColor(kWhite, -32);
            break;
    }
    return c;
}

}  // namespace quellan::xp
