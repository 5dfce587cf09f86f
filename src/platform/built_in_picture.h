#pragma once
// The game's own pictures, PNG files built into the program as resources.
#include <QImage>
#include <QRectF>
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

// A part of a picture named in the pixels of the plain picture, in the
// picture's own pixels: a picture for a scaled display has `ratio` of them
// per plain pixel. Source rectangles of QPainter are in those.
QRectF pictureArea(const QRect& plain, double ratio);

// How many device pixels the game's pictures have per pixel on this
// application's screens (1 on an unscaled display). Above 1 the larger
// pictures, kept in "pictures@2x.rcc" in the shipped data's folder, are
// made available first. Call on the main thread.
double pictureRatio();

// The folder of the shipped data, where "pictures@2x.rcc" is: the game
// folder (the default, the program's own), or an installed copy's data
// folder. Set once at start-up, before the first picture is asked for.
void setLargePictureFolder(const QString& folder);

// Makes the larger pictures in `folder`/pictures@2x.rcc available as
// ":/pictures/name@2x.png" and ":/frame/name@2x.png" (once; later calls
// only report). False when the file cannot be read.
bool registerLargePictures(const QString& folder);

// Once the window's pictures are decoded, the picture files (built into the
// program, or in the file of the larger ones) are not read again for the
// most part: the pages holding them are handed back to the system, which
// keeps them cached as the program's file. A later decoding reads them in
// again. Does nothing where the system has no such call.
void releasePictureFilePages();

}  // namespace quellan
