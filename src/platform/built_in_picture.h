#pragma once
// The game's own pictures, PNG files built into the program as resources.
#include <QImage>
#include <QString>

namespace quellan {

// Decodes the PNG picture at `resourcePath` (":/..."); a null image when it
// cannot. Only the PNG reader built into Qt is asked, so no image-format
// plugin is looked for or loaded. Safe on any thread.
QImage builtInPicture(const QString& resourcePath);

}  // namespace quellan
