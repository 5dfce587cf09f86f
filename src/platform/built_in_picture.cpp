#include "platform/built_in_picture.h"

#include <QImageReader>

namespace quellan {

QImage builtInPicture(const QString& resourcePath) {
    QImageReader reader(resourcePath, "png");
    // Told the format, the reader would still ask every plugin whether it
    // reads PNG too, loading them all.
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace quellan
