// The description and about texts say what the player must learn from them.
#include <gtest/gtest.h>

#include <algorithm>

#include "frame_model/help_texts.h"

namespace quellan::frame {
namespace {

TEST(Description, IsOneParagraphWithAllTheRules) {
    const std::string text(kDescription);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    for (const char* part : {"华容道", "曹操", "关羽", "赤壁", "二十个小方格", "两格宽的出口",
                             "十枚棋子", "五员大将", "四个小兵", "数十种", "“横刀立马”",
                             "“水泄不通”", "“巧过五关”", "两个小方格", "不能跳过", "最少的步数"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
}

TEST(About, ThreeLinesEndingWithTheVersion) {
    const std::string text = aboutText("Quellan", 1, 2, 3);
    const size_t first = text.find("\r\n");
    const size_t second = text.find("\r\n", first + 2);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(text.find("\r\n", second + 2), std::string::npos);
    EXPECT_EQ(text.substr(0, first), "本程序《Quellan》是一款著名的智力游戏。");
    EXPECT_EQ(text.substr(second + 2), "（当前程序版本为1.2.3）");
    EXPECT_GT(second - first, 2u);  // a middle line of our own
    EXPECT_EQ(aboutText("Quellan", 10, 0, 12).substr(second + 2), "（当前程序版本为10.0.12）");
}

// The home page is the root of the game's site, the product page the site's
// download page; both are encrypted and under a domain reserved for examples.
TEST(WebPages, TheHomePageIsTheSiteAndTheProductPageItsDownload) {
    EXPECT_TRUE(kHomePage.starts_with("https://"));
    EXPECT_TRUE(kHomePage.ends_with(".example/"));
    EXPECT_EQ(std::count(kHomePage.begin(), kHomePage.end(), '/'), 3);  // nothing below the root
    EXPECT_TRUE(kProductPage.starts_with(kHomePage));
    EXPECT_NE(kProductPage.find("download"), std::string_view::npos);
}

}  // namespace
}  // namespace quellan::frame
