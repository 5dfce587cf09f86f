#pragma once
// The game's own pictures, PNG files built into the program as resources.
#include <QImage>
#include <QString>

namespace quellan {

// Decodes the PNG picture at `resourcePath` (":/..."); a null image when it
// cannot. Only the PNG reader built into Qt is asked, so no image-format
// plugin is looked for or loaded. Safe on any thread.
QImage builtInPicture(const QString& resourcePath);

// The picture at `resourcePath` for a display that shows `ratio` device
// pixels per pixel of the game. Above 1 the picture drawn at twice the size
// ("name@2x.png" beside "name.png") is decoded instead, and on a display
// between 1 and 2 it is scaled down smoothly to the display's own size; the
// result carries the ratio, so it is drawn at the size of the plain one.
// At 1, or when the larger picture is missing, this is builtInPicture.
QImage builtInPicture(const QString& resourcePath, double ratio);

// How many device pixels the game's pictures have per pixel on this
// application's screens (1 on an unscaled display). Call on the main thread.
double pictureRatio();

}  // namespace quellan
