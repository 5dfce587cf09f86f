#include "setup/record_file.h"

#include <gtest/gtest.h>

#include "common/text_codec.h"
#include "support/full_disk.h"
#include "support/temp_dir.h"

namespace quellan {
namespace {

using testing::TempDir;

MoveHistory historyOf(int entries) {
    MoveHistory h;
    for (int i = 0; i < entries; ++i) h.append("90,30," + std::to_string(i));
    return h;
}

TEST(RecordFile, WritesQuotedLinesWithCrLfInTheChineseCodePage) {
    std::string bytes = formatRecord("A", historyOf(3));
    EXPECT_EQ(gb18030ToUtf8(bytes), "\"玩家：A\"\r\n\"90,30,0\"\r\n\"90,30,1\"\r\n\"90,30,2\"\r\n");
    EXPECT_EQ(bytes.substr(0, 7), "\"\xCD\xE6\xBC\xD2\xA3\xBA");
}

TEST(RecordFile, WhatTheWriterWritesTheReaderReadsBack) {
    TempDir dir;
    auto path = dir.path() / "r.log";
    for (std::string name : {"A", "小明", "say \"hi\"", "😀 玩家"}) {
        ASSERT_TRUE(writeRecordFile(path, name, historyOf(81)));
        auto r = readRecordFile(path);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->bestSteps(), 80);
        std::string expected = name;
        std::erase(expected, '"');  // the reader deletes every quote
        EXPECT_EQ(r->holder, expected);
    }
}

TEST(RecordFile, ReaderCountsPositionLinesAndSkipsEmptyOnes) {
    auto r = parseRecordLines({"\"玩家：B\"", "", "\"\"", "\"1\"", "\"2\"", "玩家：C"});
    EXPECT_EQ(r.holder, "C");
    EXPECT_EQ(r.positionLines, 2);
    EXPECT_EQ(r.bestSteps(), 1);
    EXPECT_EQ(parseRecordLines({}).bestSteps(), -1);
    EXPECT_FALSE(parseRecordLines({"\"1\""}).holder);
}

TEST(RecordFile, MissingAndUnreadableFilesAreNoRecord) {
    TempDir dir;
    EXPECT_FALSE(readRecordFile(dir.path() / "none.log"));
    std::filesystem::create_directory(dir.path() / "folder.log");
    EXPECT_FALSE(readRecordFile(dir.path() / "folder.log"));
}

TEST(PlayerName, ControlCharactersGoAndSpacesAreTrimmed) {
    EXPECT_EQ(cleanPlayerName("  A  "), "A");
    EXPECT_EQ(cleanPlayerName("a\r\nb"), "ab");
    EXPECT_EQ(cleanPlayerName("\t小明\x7f"), "小明");
    EXPECT_EQ(cleanPlayerName(" \r\n "), "");
    EXPECT_EQ(cleanPlayerName("a\xC2\x85"
                              "b"),
              "ab");  // U+0085, a C1 line break
    EXPECT_EQ(cleanPlayerName("王 小 明"), "王 小 明");
    // The edges of the control characters: U+001F and U+009F go, U+0020
    // and U+00A0 (a no-break space) stay.
    EXPECT_EQ(cleanPlayerName("a\x1F b"), "a b");
    EXPECT_EQ(cleanPlayerName("a\xC2\x9F\xC2\xA0"
                              "b"),
              "a\xC2\xA0"
              "b");
}

TEST(RecordFile, AFailedWriteKeepsTheOldRecordWhole) {
    TempDir dir;
    auto path = dir.path() / "r.log";
    ASSERT_TRUE(writeRecordFile(path, "Old", historyOf(5)));
    const std::string before = testing::readAll(path);
    {
        testing::FullDisk full;
        if (!full.works()) GTEST_SKIP() << "no file size limit on this system";
        EXPECT_FALSE(writeRecordFile(path, "New", historyOf(3)));
    }
    EXPECT_EQ(testing::readAll(path), before);
}

}  // namespace
}  // namespace quellan
