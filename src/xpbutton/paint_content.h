#pragma once
// Drawing the picture and the caption at the end of every look.
#include "xpbutton/canvas.h"
#include "xpbutton/content_layout.h"

namespace quellan::xp {

// fill: the face colour of the look (base of the caption effects);
// textColour: the disabled caption colour (kNoColor: white, then grey), and
// the enabled one of style 7 without a gradient; valueShift: the content
// sits shifted as while pressed; singlePass: no grey second pass for a
// disabled caption.
void PaintContent(Canvas& canvas, const ButtonState& state, Rgb fill, Rgb textColour,
                  bool valueShift, bool singlePass);

// The caption colour of an enabled widget: the hover colour under the
// pointer (unless pressed), else the text colour; style 7 without a
// gradient draws in the colour its look chose.
[[nodiscard]] Rgb enabledCaptionColour(const ButtonState& state, Rgb textColour);

}  // namespace quellan::xp
