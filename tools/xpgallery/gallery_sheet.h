#pragma once
// The gallery sheet: every look (ButtonStyle 0..7) in every shape
// (ButtonShape 0..6) and every state it distinguishes, side by side, each
// cell a real XPButton's surface.
#include <QImage>
#include <QPixmap>
#include <QRect>

namespace quellan::gallery {

// The state columns of the sheet.
enum SheetColumn : int {
    kColumnNormal,
    kColumnDefault,
    kColumnHot,
    kColumnPressed,
    kColumnOn,  // a toggle button switched on
    kColumnDisabled,
    kColumnCount
};

inline constexpr int kLookCount = 8;
inline constexpr int kShapeCount = 7;
inline constexpr QSize kCellSize{90, 30};

struct SheetOptions {
    bool designMode = false;
    // Captions and labels; without them the sheet is the same on every
    // machine, whatever its fonts.
    bool withText = true;
};

// The sheet as one image, painted without a display.
QImage renderSheet(const SheetOptions& options);

// Where the cell of a look, a shape and a state column lies on the sheet.
QRect sheetCell(int look, int shape, int column);
QSize sheetSize();

// The picture of every cell: a small bitmap whose magenta ground is its
// transparent key colour.
QPixmap samplePicture();

}  // namespace quellan::gallery
