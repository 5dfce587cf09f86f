#include "platform/plain_png.h"

#include <QtEndian>
#include <cstring>
#include <utility>

#if defined(QUELLAN_HAVE_ZLIB)
#include <zlib.h>
#endif

namespace quellan {
namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype kSignatureSize = 8;
constexpr quint32 kLargestSide = 1u << 14;
constexpr quint8 kMetre = 1;  // the pHYs unit Qt reads

quint32 bigEndian32(const char* at) { return qFromBigEndian<quint32>(at); }

// The five PNG filters, undone in place on one line of `bytes` bytes;
// `previous` is the line above, already undone (zeros for the first). The
// first pixel of a line has nothing to its left; it is done on its own so
// that the loops over the rest have no test in them.
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
            for (qsizetype i = 0; i < pixelBytes; ++i) line[i] += previous[i] / 2;
            for (qsizetype i = pixelBytes; i < bytes; ++i)
                line[i] += static_cast<uchar>((line[i - pixelBytes] + previous[i]) / 2);
            return true;
        case 4:
            for (qsizetype i = 0; i < pixelBytes; ++i) line[i] += previous[i];
            for (qsizetype i = pixelBytes; i < bytes; ++i) {
                line[i] += static_cast<uchar>(
                    paethPredictor(line[i - pixelBytes], previous[i], previous[i - pixelBytes]));
            }
            return true;
        default:
            return false;
    }
}

// One line of PNG pixels (R, G, B and, with four bytes a pixel, A) as Qt's
// 32-bit pixels.
void toPixels(const uchar* in, QRgb* out, quint32 width, int pixelBytes) {
    if (pixelBytes == 4) {
        for (quint32 x = 0; x < width; ++x, in += 4) out[x] = qRgba(in[0], in[1], in[2], in[3]);
    } else {
        for (quint32 x = 0; x < width; ++x, in += 3) out[x] = qRgb(in[0], in[1], in[2]);
    }
}

#if defined(QUELLAN_HAVE_ZLIB)
// The packed lines, unpacked one at a time as they are asked for, so that
// the whole unpacked picture never stands in memory beside the image.
class PackedLines {
  public:
    explicit PackedLines(const QByteArray& packed, qsizetype /*unpackedBytes*/) {
        m_stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
        m_stream.avail_in = uInt(packed.size());
        m_ready = inflateInit(&m_stream) == Z_OK;
    }
    ~PackedLines() {
        if (m_ready) inflateEnd(&m_stream);
    }
    PackedLines(const PackedLines&) = delete;
    PackedLines& operator=(const PackedLines&) = delete;

    // Fills `line` with the next `bytes` bytes; false when there are fewer.
    bool next(uchar* line, qsizetype bytes) {
        if (!m_ready) return false;
        m_stream.next_out = line;
        m_stream.avail_out = uInt(bytes);
        while (m_stream.avail_out > 0) {
            const int result = inflate(&m_stream, Z_NO_FLUSH);
            if (result == Z_STREAM_END) return m_stream.avail_out == 0;
            if (result != Z_OK) return false;
        }
        return true;
    }
    // True when the packed data ends here, its check sum right, and
    // nothing is left over.
    bool atEnd() {
        if (!m_ready) return false;
        uchar spare = 0;
        m_stream.next_out = &spare;
        m_stream.avail_out = 1;
        return inflate(&m_stream, Z_FINISH) == Z_STREAM_END && m_stream.avail_out == 1;
    }

  private:
    z_stream m_stream{};
    bool m_ready = false;
};
#else
// Where Qt keeps its zlib to itself, the packed lines are unpacked all at
// once through Qt and handed out from there.
class PackedLines {
  public:
    PackedLines(const QByteArray& packed, qsizetype unpackedBytes) {
        // qUncompress wants the unpacked size in front, as qCompress writes it.
        QByteArray sized(4, Qt::Uninitialized);
        qToBigEndian<quint32>(quint32(unpackedBytes), sized.data());
        m_unpacked = qUncompress(sized + packed);
    }

    bool next(uchar* line, qsizetype bytes) {
        if (m_unpacked.size() - m_at < bytes) return false;
        std::memcpy(line, m_unpacked.constData() + m_at, size_t(bytes));
        m_at += bytes;
        return true;
    }
    bool atEnd() const { return m_at == m_unpacked.size(); }

  private:
    QByteArray m_unpacked;
    qsizetype m_at = 0;
};
#endif

bool unpackLines(const QByteArray& packed, QImage& image, int pixelBytes) {
    const qsizetype lineBytes = qsizetype(image.width()) * pixelBytes;
    // Each line is its filter's number and then the line's bytes; two are
    // kept, the line and the one above it (zeros above the first).
    QByteArray buffer(2 * (lineBytes + 1), '\0');
    uchar* previous = reinterpret_cast<uchar*>(buffer.data());
    uchar* line = previous + lineBytes + 1;
    PackedLines lines(packed, (lineBytes + 1) * qsizetype(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        if (!lines.next(line, lineBytes + 1) ||
            !unfilter(line[0], line + 1, previous + 1, lineBytes, pixelBytes))
            return false;
        toPixels(line + 1, reinterpret_cast<QRgb*>(image.scanLine(y)), quint32(image.width()),
                 pixelBytes);
        std::swap(line, previous);
    }
    return lines.atEnd();
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

    QImage image(int(width), int(height),
                 pixelBytes == 4 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull() || !unpackLines(packed, image, pixelBytes)) return {};
    if (dotsPerMetreX > 0) image.setDotsPerMeterX(dotsPerMetreX);
    if (dotsPerMetreY > 0) image.setDotsPerMeterY(dotsPerMetreY);
    return image;
}

}  // namespace quellan
