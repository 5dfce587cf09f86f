#pragma once
// Placement of the caption and the picture inside the widget.
#include "xpbutton/render_state.h"

class QString;

namespace quellan::xp {

inline constexpr int kContentMargin = 6;  // contents keep 6 pixels from every edge

// The horizontal span the shape leaves for the contents.
struct UsableSpan {
    int usableWidth = 0;
    int leftOffset = 0;
    int rightLimit = 0;
};
[[nodiscard]] UsableSpan usableSpan(const ButtonState& state);

// The caption as it is measured and drawn: "||" is a line break.
[[nodiscard]] QString displayCaption(const QString& caption);

// Recomputes captionRect and pictureRect from the caption, the picture, the
// alignments, the stored picture size and the font.
void LayoutContent(ButtonState& state);

}  // namespace quellan::xp
