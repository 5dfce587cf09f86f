// The game's pictures decode with Qt's own PNG reader alone: no image-format
// plugin is loaded for them (each would cost start-up time and memory).
#include "platform/built_in_picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <fstream>
#include <string>

#include "platform/plain_png.h"

namespace quellan {
namespace {

bool anImageFormatPluginIsLoaded() {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        if (line.find("/imageformats/") != std::string::npos) return true;
    }
    return false;
}

TEST(BuiltInPicture, DecodesThePngWithoutLoadingAnyImageFormatPlugin) {
    ASSERT_FALSE(anImageFormatPluginIsLoaded());
    const QImage skin = builtInPicture(QStringLiteral(":/frame/skin.png"));
    EXPECT_EQ(skin.size(), QSize(271, 218));
    EXPECT_FALSE(anImageFormatPluginIsLoaded());
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The game reads its own pictures itself: each gives what Qt's PNG reader
// gives, in format, pixels and resolution.
TEST(BuiltInPicture, ReadsEachOfTheGamesPicturesAsQtsReaderDoes) {
    QDirIterator files(QStringLiteral(QUELLAN_ASSETS_DIR), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    int pictures = 0;
    while (files.hasNext()) {
        const QString path = files.next();
        QImageReader reader(path, "png");
        const QImage expected = reader.read();
        const QImage own = decodePlainPng(fileBytes(path));
        ASSERT_FALSE(own.isNull()) << path.toStdString();
        EXPECT_EQ(own.format(), expected.format()) << path.toStdString();
        EXPECT_TRUE(own == expected) << path.toStdString();
        EXPECT_EQ(own.dotsPerMeterX(), expected.dotsPerMeterX()) << path.toStdString();
        EXPECT_EQ(own.dotsPerMeterY(), expected.dotsPerMeterY()) << path.toStdString();
        ++pictures;
    }
    EXPECT_GT(pictures, 50);
}

// Any other PNG, or a damaged one, is left to Qt's reader.
TEST(BuiltInPicture, LeavesOtherPngsToQtsReader) {
    QImage indexed(7, 5, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 0)});
    indexed.fill(1);
    QByteArray palette;
    QBuffer buffer(&palette);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(indexed.save(&buffer, "PNG"));
    EXPECT_TRUE(decodePlainPng(palette).isNull());

    const QByteArray board = fileBytes(QStringLiteral(QUELLAN_ASSETS_DIR "/pictures/board.png"));
    ASSERT_FALSE(decodePlainPng(board).isNull());
    EXPECT_TRUE(decodePlainPng(board.left(board.size() / 2)).isNull());
    QByteArray damaged = board;
    damaged[board.size() / 2] = char(damaged[board.size() / 2] ^ 0x55);
    EXPECT_TRUE(decodePlainPng(damaged).isNull());
    EXPECT_TRUE(decodePlainPng("not a picture").isNull());
}

// A 2 x 2 RGB PNG whose packed pixels are `lines` (each line its filter's
// number and six bytes). Only what the plain reader reads is written: no
// check sums.
QByteArray plainPng(const QByteArray& lines) {
    auto chunk = [](const char* type, const QByteArray& data) {
        QByteArray bytes(4, '\0');
        qToBigEndian<quint32>(quint32(data.size()), bytes.data());
        return bytes + type + data + QByteArray(4, '\0');
    };
    QByteArray header(13, '\0');
    header[3] = 2;  // width
    header[7] = 2;  // height
    header[8] = 8;  // bits a channel
    header[9] = 2;  // RGB
    // qCompress writes the unpacked size, then the zlib stream PNG holds.
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) +
           chunk("IDAT", qCompress(lines).mid(4)) + chunk("IEND", {});
}

// The packed pixels are exactly the picture's lines: fewer, or more, and the
// file is damaged.
TEST(BuiltInPicture, PackedPixelsMustFillThePictureExactly) {
    const QByteArray lines(
        "\0\1\2\3\4\5\6"
        "\2\1\1\1\1\1\1",
        14);
    const QImage picture = decodePlainPng(plainPng(lines));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixel(1, 0), qRgb(4, 5, 6));
    EXPECT_EQ(picture.pixel(1, 1), qRgb(5, 6, 7));  // "up": the line above, plus one
    EXPECT_TRUE(decodePlainPng(plainPng(lines.chopped(1))).isNull());
    EXPECT_TRUE(decodePlainPng(plainPng(lines + '\0')).isNull());
}

TEST(BuiltInPicture, AMissingPictureIsANullImage) {
    EXPECT_TRUE(builtInPicture(QStringLiteral(":/frame/no-such.png")).isNull());
}

// A scaled display gets the picture drawn with twice the pixels, at its own
// pixel count (scaled down between 100 % and 200 %), carrying the ratio so
// it stands for the plain size; an unscaled one gets the plain picture.
TEST(BuiltInPicture, ThePictureForEachDisplayScale) {
    // The larger pictures are read from the game's folder at run time; the
    // rule is the same for the files they are made from.
    const QString skin = QStringLiteral(QUELLAN_ASSETS_DIR "/frame/skin.png");
    const QImage plain = builtInPicture(skin);
    const QImage large = builtInPicture(QStringLiteral(QUELLAN_ASSETS_DIR "/frame/skin@2x.png"));
    ASSERT_EQ(large.size(), plain.size() * 2);
    const struct {
        double ratio;
        QSize pixels;
    } table[] = {{1.0, {271, 218}}, {1.25, {339, 273}}, {1.5, {407, 327}}, {2.0, {542, 436}}};
    for (const auto& row : table) {
        const QImage picture = builtInPicture(skin, row.ratio);
        EXPECT_EQ(picture.size(), row.pixels) << row.ratio;
        EXPECT_EQ(picture.devicePixelRatio(), row.ratio);
    }
    EXPECT_EQ(builtInPicture(skin, 1.0), plain);
    EXPECT_EQ(builtInPicture(skin, 2.0), large);
}

}  // namespace
}  // namespace quellan
