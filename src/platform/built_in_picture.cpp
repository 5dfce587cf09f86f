#include "platform/built_in_picture.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QResource>
#include <QString>
#include <cmath>

namespace quellan {

QImage builtInPicture(const QString& resourcePath) {
    QImageReader reader(resourcePath, "png");
    // Told the format, the reader would still ask every plugin whether it
    // reads PNG too, loading them all.
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage builtInPicture(const QString& resourcePath, double ratio) {
    constexpr double kLargeRatio = 2.0;
    const qsizetype dot = resourcePath.lastIndexOf(QLatin1Char('.'));
    if (ratio <= 1.0 || dot < 0) return builtInPicture(resourcePath);
    QImage large =
        builtInPicture(resourcePath.left(dot) + QStringLiteral("@2x") + resourcePath.mid(dot));
    if (large.isNull()) return builtInPicture(resourcePath);
    if (ratio != kLargeRatio) {
        const QSize plain = large.size() / int(kLargeRatio);
        const QSize pixels(int(std::lround(plain.width() * ratio)),
                           int(std::lround(plain.height() * ratio)));
        large = large.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    large.setDevicePixelRatio(ratio);
    return large;
}

QRectF pictureArea(const QRect& plain, double ratio) {
    return {QPointF(plain.topLeft()) * ratio, QSizeF(plain.size()) * ratio};
}

bool registerLargePictures(const QString& folder) {
    static const bool registered =
        QResource::registerResource(folder + QStringLiteral("/pictures@2x.rcc"));
    return registered;
}

namespace {
QString& largePictureFolder() {
    static QString folder;
    return folder;
}
}  // namespace

void setLargePictureFolder(const QString& folder) { largePictureFolder() = folder; }

double pictureRatio() {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const double ratio = app ? app->devicePixelRatio() : 1.0;
    if (ratio > 1.0) {
        const QString& folder = largePictureFolder();
        registerLargePictures(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder);
    }
    return ratio;
}

}  // namespace quellan
