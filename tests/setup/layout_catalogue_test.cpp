#include "setup/layout_catalogue.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace quellan {
namespace {

using quellan::testing::TempDir;

TEST(LayoutCatalogue, ShowsANameThatIsNotUtf8AsTheChineseCodePage) {
    EXPECT_EQ(layoutDisplayName("横刀立马"), "横刀立马");
    EXPECT_EQ(layoutDisplayName("abcd"), "abcd");
    EXPECT_EQ(layoutDisplayName("\xBA\xE1\xB5\xB6"), "横刀");
}

#ifndef _WIN32
// Only file systems that store bytes can hold such a name.
TEST(LayoutCatalogue, KeepsTheFileSystemsOwnBytesOfAName) {
    TempDir dir;
    dir.write("map/\xBA\xE1\xB5\xB6.qlp", "1,0,2");
    dir.write("map/abcd.qlp", "1,0,2");
    EXPECT_EQ(scanLayoutCatalogue(dir.path() / "map"),
              (std::vector<std::string>{"abcd", "\xBA\xE1\xB5\xB6"}));
}
#endif

}  // namespace
}  // namespace quellan
