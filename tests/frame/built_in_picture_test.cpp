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

}  // namespace
}  // namespace quellan
