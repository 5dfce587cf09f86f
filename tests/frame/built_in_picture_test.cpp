// The game's pictures decode with Qt's own PNG reader alone: no image-format
// plugin is loaded for them (each would cost start-up time and memory).
#include "platform/built_in_picture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

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
