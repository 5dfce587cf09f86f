#include "platform/built_in_picture.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QResource>
#include <QString>
#include <cmath>
#include <cstdint>

#include "platform/plain_png.h"

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace quellan {

namespace {

// The bytes of a picture file: a resource's in place, a file's read in.
QByteArray pictureFile(const QString& path) {
    const QResource resource(path);
    if (resource.isValid() && resource.data() != nullptr) {
        if (resource.compressionAlgorithm() != QResource::NoCompression)
            return resource.uncompressedData();
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                       qsizetype(resource.size()));
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QImage builtInPicture(const QString& resourcePath) {
    // The game's own pictures are all of the plain kind it reads itself.
    if (QImage picture = decodePlainPng(pictureFile(resourcePath)); !picture.isNull())
        return picture;
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

void releasePictureFilePages() {
#if defined(__linux__)
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    for (const char* folder : {":/pictures", ":/frame"}) {
        QDirIterator files(QString::fromLatin1(folder), QDir::Files);
        while (files.hasNext()) {
            const QResource file(files.next());
            if (file.data() == nullptr) continue;
            // Only whole pages inside the file: its neighbours may be in use.
            const auto start = reinterpret_cast<std::uintptr_t>(file.data());
            const std::uintptr_t first = (start + page - 1) & ~(page - 1);
            const std::uintptr_t end =
                (start + static_cast<std::uintptr_t>(file.size())) & ~(page - 1);
            if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
        }
    }
#endif
}

}  // namespace quellan
