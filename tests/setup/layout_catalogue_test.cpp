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

// The layouts are the .qlp files of the folder, by name; a hidden file, a
// file with nothing before ".qlp", another kind of file or a folder is none.
TEST(LayoutCatalogue, ListsTheLayoutFilesInNameOrder) {
    TempDir dir;
    for (const char* file : {"map/乙.qlp", "map/甲.qlp", "map/.隐藏.qlp", "map/.qlp",
                             "map/说明.txt", "map/夹.qlp/子.qlp"})
        dir.write(file, "1,0,2");
    EXPECT_EQ(scanLayoutCatalogue(dir.path() / "map"), (std::vector<std::string>{"乙", "甲"}));
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
