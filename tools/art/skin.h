#pragma once
// The pictures of the window frame: the skin the game stretches into its
// frame, the hover and pressed looks of the two caption buttons, and the
// help, about and web icons on the game panel.
#include <QImage>

namespace art {

inline constexpr int kSkinWidth = 271;
inline constexpr int kSkinHeight = 218;

// Lacquered rosewood with a gold inlay along the outline the game cuts its
// window to; the caption buttons' normal look in the top-right corner.
QImage skinPicture();

enum class CaptionKind { Minimise, Close };
enum class CaptionLook { Normal, Hover, Pressed };
// 17 x 16: the button as it stands on the title bar.
QImage captionButton(CaptionKind kind, CaptionLook look);

QImage helpIcon();    // 16 x 16, the game description
QImage aboutIcon();   // 16 x 16, the about box
QImage webPicture();  // 31 x 31, the product page

}  // namespace art
