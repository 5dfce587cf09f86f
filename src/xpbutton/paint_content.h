#pragma once
// Drawing the picture and the caption at the end of every look.
#include <QImage>

#include "xpbutton/canvas.h"
#include "xpbutton/content_layout.h"

namespace quellan::xp {

// fill: the face colour of the look (base of the caption effects);
// textColour: the disabled caption colour (kNoColor: white, then grey);
// valueShift: the content sits shifted as while pressed; singlePass: no
// grey second pass for a disabled caption.
void PaintContent(Canvas& canvas, const ButtonState& state, Rgb fill, Rgb textColour,
                  bool valueShift, bool singlePass);

// Draws the picture for the (possibly press-shifted) picture box.
void PaintPicture(Canvas& canvas, const ButtonState& state, const Box& rect,
                  const UsableSpan& span);

// A picture without an alpha channel as it is drawn: the colour of its
// top-left pixel becomes transparent.
QImage withKeyColourTransparent(const QImage& picture);

}  // namespace quellan::xp
