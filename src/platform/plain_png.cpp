#include "platform/plain_png.h"

#include <QtEndian>
#include <cstring>

namespace quellan {
namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype kSignatureSize = 8;
constexpr quint32 kLargestSide = 1u << 14;
constexpr quint8 kMetre = 1;  // the pHYs unit Qt reads

quint32 bigEndian32(const char* at) { return qFromBigEndian<quint32>(at); }

// The five PNG filters, undone in place on one line of `bytes` bytes;
// `previous` is the line above, already undone (zeros for the first).
bool unfilter(quint8 filter, uchar* line, const uchar* previous, qsizetype bytes, int pixelBytes) {
    switch (filter) {
        case 0:
            return true;
        case 1:
            for (qsizetype i = pixelBytes; i < bytes; ++i) line[i] += line[i - pixelBytes];
            return true;
        case 2:
            for (qsizetype i = 0; i < bytes; ++i) line[i] += previous[i];
            return true;
        case 3:
            for (qsizetype i = 0; i < bytes; ++i) {
                const int left = i >= pixelBytes ? line[i - pixelBytes] : 0;
                line[i] += static_cast<uchar>((left + previous[i]) / 2);
            }
            return true;
        case 4:
            for (qsizetype i = 0; i < bytes; ++i) {
                const int left = i >= pixelBytes ? line[i - pixelBytes] : 0;
                const int corner = i >= pixelBytes ? previous[i - pixelBytes] : 0;
                line[i] += static_cast<uchar>(paethPredictor(left, previous[i], corner));
            }
            return true;
        default:
            return false;
    }
}

}  // namespace

QImage decodePlainPng(const QByteArray& png) {
    if (png.size() < kSignatureSize ||
        std::memcmp(png.constData(), kSignature, kSignatureSize) != 0)
        return {};
    quint32 width = 0, height = 0;
    int pixelBytes = 0;
    int dotsPerMetreX = 0, dotsPerMetreY = 0;
    QByteArray packed;
    bool ended = false;
    for (qsizetype at = kSignatureSize; !ended;) {
        if (png.size() - at < 12) return {};
        const quint32 length = bigEndian32(png.constData() + at);
        if (length > quint32(png.size() - at - 12)) return {};
        const QByteArrayView type(png.constData() + at + 4, 4);
        const char* data = png.constData() + at + 8;
        if (type == "IHDR") {
            if (length != 13 || width != 0) return {};
            width = bigEndian32(data);
            height = bigEndian32(data + 4);
            const auto depth = quint8(data[8]), colour = quint8(data[9]);
            // Compression, filter method and interlacing: the plain kind has 0s.
            if (depth != 8 || (colour != 2 && colour != 6) || data[10] != 0 || data[11] != 0 ||
                data[12] != 0)
                return {};
            if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide)
                return {};
            pixelBytes = colour == 6 ? 4 : 3;
        } else if (type == "pHYs") {
            if (length != 9) return {};
            if (quint8(data[8]) == kMetre) {
                dotsPerMetreX = int(bigEndian32(data));
                dotsPerMetreY = int(bigEndian32(data + 4));
            }
        } else if (type == "IDAT") {
            if (width == 0) return {};
            packed.append(data, length);
        } else if (type == "IEND") {
            ended = true;
        } else {
            return {};  // a palette, transparency, gamma, a profile, text: Qt's reader
        }
        at += 12 + qsizetype(length);
    }
    if (width == 0 || packed.isEmpty()) return {};

    const qsizetype lineBytes = qsizetype(width) * pixelBytes;
    const qsizetype rawSize = (lineBytes + 1) * qsizetype(height);
    // qUncompress wants the unpacked size in front, as qCompress writes it.
    QByteArray sized(4, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(rawSize), sized.data());
    QByteArray raw = qUncompress(sized + packed);
    if (raw.size() != rawSize) return {};

    QImage image(int(width), int(height),
                 pixelBytes == 4 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) return {};
    const QByteArray zeros(lineBytes, '\0');
    const uchar* previous = reinterpret_cast<const uchar*>(zeros.constData());
    uchar* line = reinterpret_cast<uchar*>(raw.data());
    for (int y = 0; y < int(height); ++y, line += lineBytes + 1) {
        if (!unfilter(line[0], line + 1, previous, lineBytes, pixelBytes)) return {};
        previous = line + 1;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* in = line + 1;
        for (quint32 x = 0; x < width; ++x, in += pixelBytes)
            out[x] = qRgba(in[0], in[1], in[2], pixelBytes == 4 ? in[3] : 0xff);
    }
    if (dotsPerMetreX > 0) image.setDotsPerMeterX(dotsPerMetreX);
    if (dotsPerMetreY > 0) image.setDotsPerMeterY(dotsPerMetreY);
    return image;
}

}  // namespace quellan
