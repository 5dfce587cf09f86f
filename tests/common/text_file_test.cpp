#include "common/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "support/full_disk.h"
#include "support/temp_dir.h"

namespace quellan {
namespace {

using testing::TempDir;

// The names of the files in `folder`, sorted.
std::vector<std::string> fileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SplitLines, EveryLineEndingEndsALine) {
    using V = std::vector<std::string>;
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("a\rb\nc"), (V{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(splitLines("\n"), (V{""}));
    EXPECT_EQ(splitLines(""), V{});
    EXPECT_EQ(splitLines("last"), (V{"last"}));
}

TEST(TextFile, ReadsChineseFileNamesAndContents) {
    TempDir dir;
    auto path = dir.write(pathFromUtf8("横刀立马.qlp"), "\xBA\xE1\r\n1,0,2");
    ASSERT_TRUE(isRegularFile(path));
    auto lines = readTextLines(dir.path() / pathFromUtf8("横刀立马.qlp"));
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"横", "1,0,2"}));
}

TEST(TextFile, MissingFilesAndFoldersAreNotReadable) {
    TempDir dir;
    EXPECT_FALSE(readTextLines(dir.path() / "none.qlp"));
    EXPECT_FALSE(isRegularFile(dir.path()));
    EXPECT_FALSE(readFileBytes(dir.path()));  // a folder is not a file
}

TEST(TextFile, ReplaceWritesTheWholeNewContents) {
    TempDir dir;
    auto path = dir.write("r.log", "old");
    ASSERT_TRUE(replaceFileContents(path, "new contents"));
    EXPECT_EQ(testing::readAll(path), "new contents");
    EXPECT_EQ(fileNames(dir.path()), std::vector<std::string>{"r.log"});  // nothing left behind
}

TEST(TextFile, ReplaceInAReadOnlyFolderFailsAndKeepsTheOldFile) {
    TempDir dir;
    auto path = dir.write("log/r.log", "old record");
    std::filesystem::permissions(dir.path() / "log", std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
    {
        std::ofstream probe(dir.path() / "log" / "probe");
        if (probe) GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    EXPECT_FALSE(replaceFileContents(path, "new"));
    EXPECT_EQ(testing::readAll(path), "old record");
}

TEST(TextFile, ReplaceIntoAMissingFolderFails) {
    TempDir dir;
    EXPECT_FALSE(replaceFileContents(dir.path() / "no-such-folder" / "r.log", "x"));
}

TEST(TextFile, ReplaceOnAFullDiskFailsAndKeepsTheOldFile) {
    TempDir dir;
    auto path = dir.write("r.log", "old record");
    {
        testing::FullDisk full;
        if (!full.works()) GTEST_SKIP() << "no file size limit on this system";
        EXPECT_FALSE(replaceFileContents(path, std::string(1 << 16, 'x')));
    }
    EXPECT_EQ(testing::readAll(path), "old record");
    EXPECT_EQ(fileNames(dir.path()), std::vector<std::string>{"r.log"});
}

TEST(TextFile, CreateWritesANewFileAndNeverReplacesOne) {
    TempDir dir;
    const auto path = dir.path() / "new.qlp";
    EXPECT_EQ(createFileContents(path, "first"), NewFile::Written);
    EXPECT_EQ(createFileContents(path, "second"), NewFile::Exists);
    EXPECT_EQ(testing::readAll(path), "first");
    // A name taken in a way the look before writing does not see (a link to
    // nothing) is still not replaced.
    const auto taken = dir.path() / "taken.qlp";
    std::error_code ec;
    std::filesystem::create_symlink(dir.path() / "nowhere", taken, ec);
    if (ec) GTEST_SKIP() << "no links on this system";
    EXPECT_EQ(createFileContents(taken, "x"), NewFile::Exists);
    EXPECT_TRUE(std::filesystem::is_symlink(taken));
    EXPECT_EQ(fileNames(dir.path()), (std::vector<std::string>{"new.qlp", "taken.qlp"}));
}

}  // namespace
}  // namespace quellan
