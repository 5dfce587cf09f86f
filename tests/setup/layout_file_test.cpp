#include "setup/layout_file.h"

#include <gtest/gtest.h>

#include "common/numbers.h"
#include "common/text_codec.h"
#include "common/text_file.h"
#include "support/classic_layouts.h"
#include "support/temp_dir.h"

namespace quellan {
namespace {

using namespace quellan::testing;

constexpr const char* kClassic[] = {"1,0,2",  "2,0,10", "3,1,1",  "4,1,4",  "5,1,9",
                                    "6,1,12", "7,0,14", "8,0,15", "9,0,17", "10,0,20"};

std::vector<std::string> classicLines() { return {std::begin(kClassic), std::end(kClassic)}; }

TEST(Integer16, AcceptsNumbersTheWayTheLayoutsWriteThem) {
    struct Case {
        const char* text;
        int value;
    };
    for (Case c : {Case{"2", 2}, Case{" 2 ", 2}, Case{"\t7", 7}, Case{"-3", -3}, Case{"+4", 4},
                   Case{"1.5", 2}, Case{"2.5", 2}, Case{"0.5", 0}, Case{"-0.5", 0}, Case{"3.5", 4},
                   Case{"1.49", 1}, Case{"32767", 32767}, Case{"-32768", -32768},
                   Case{"-32768.5", -32768}, Case{"1e1", 10}, Case{"007", 7}, Case{".5", 0}}) {
        auto v = toInteger16(c.text);
        ASSERT_TRUE(v) << c.text;
        EXPECT_EQ(*v, c.value) << c.text;
    }
}

TEST(Integer16, RefusesEmptyForeignAndOutOfRangeText) {
    for (const char* bad : {"", " ", "x", "1x", "1 2", "32768", "-32769", "32767.5", "1e9", "--1",
                            "0x10", ".", "1e", "１", "nan", "inf"}) {
        EXPECT_FALSE(toInteger16(bad)) << bad;
    }
}

TEST(CleanLine, DeletesQuotesTurnsFullWidthCommasAndSkipsComments) {
    EXPECT_EQ(cleanLayoutLine("\"1,0,2\""), "1,0,2");
    EXPECT_EQ(cleanLayoutLine("1，0，2"), "1,0,2");
    EXPECT_EQ(cleanLayoutLine("1\"，\"0,2"), "1,0,2");
    EXPECT_FALSE(cleanLayoutLine(""));
    EXPECT_FALSE(cleanLayoutLine("\"\""));
    EXPECT_FALSE(cleanLayoutLine("// 横刀立马"));
    EXPECT_FALSE(cleanLayoutLine("\"//\" quoted comment"));
    EXPECT_EQ(cleanLayoutLine(" // not a comment"), " // not a comment");
}

TEST(LayoutReader, TheClassicLayoutReproducesTheDesignPositions) {
    Board b;
    b.piece(1).left = 3150;  // somewhere else first
    ASSERT_TRUE(applyLayoutLines(b, classicLines()));
    EXPECT_EQ(b.positionEntry(), Board().positionEntry());
    EXPECT_EQ(b.piece(1).picture, (PictureRef{1, 0}));
    EXPECT_EQ(b.piece(2).picture, (PictureRef{2, 2}));  // lying
    EXPECT_EQ(b.piece(3).picture, (PictureRef{3, 1}));  // upright
    EXPECT_EQ(b.piece(9).picture, (PictureRef{7, 0}));
    EXPECT_EQ(b.piece(2).width, 1800);
    EXPECT_EQ(b.piece(2).height, 900);
}

TEST(LayoutReader, QuotedAndFullWidthFilesLoadLikeThePlainForm) {
    std::vector<std::string> quoted, fullWidth;
    for (const char* l : kClassic) {
        quoted.push_back("\"" + std::string(l) + "\"");
        std::string f = l;
        for (size_t p; (p = f.find(',')) != std::string::npos;) f.replace(p, 1, "，");
        fullWidth.push_back(f);
    }
    Board plain, q, fw;
    ASSERT_TRUE(applyLayoutLines(plain, classicLines()));
    ASSERT_TRUE(applyLayoutLines(q, quoted));
    ASSERT_TRUE(applyLayoutLines(fw, fullWidth));
    EXPECT_EQ(q, plain);
    EXPECT_EQ(fw, plain);
}

TEST(LayoutReader, FileBytesWithAnyLineEndsAndComments) {
    std::string text = "// 横刀立马\r\n\r\n";
    for (const char* l : kClassic) text += std::string(l) + "\n";
    text.pop_back();  // the last line without an ending
    Board b;
    ASSERT_TRUE(applyLayoutBytes(b, utf8ToGb18030(text)));
    EXPECT_EQ(b.positionEntry(), Board().positionEntry());
}

struct LineCase {
    const char* line;
    bool ok;
};

class SingleLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(SingleLine, LoadsOrFailsAsTheRulesSay) {
    Board b;
    EXPECT_EQ(applyLayoutLines(b, {GetParam().line}), GetParam().ok) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SingleLine,
    ::testing::Values(LineCase{"1,0,2", true}, LineCase{"1,9,2", true}, LineCase{"1,x,2", true},
                      LineCase{"1,,2", true}, LineCase{"2,x,10", false}, LineCase{"2,,10", false},
                      LineCase{"7,0,0", true}, LineCase{"7,0,21", true}, LineCase{"0,0,0", true},
                      LineCase{"11,0,21", true}, LineCase{"11,0,5", false},
                      LineCase{"0,0,1", false}, LineCase{"1,0", false}, LineCase{"1", false},
                      LineCase{"3", false}, LineCase{"x,0,1", false}, LineCase{",0,1", false},
                      LineCase{"1,0,2,junk,9", true}, LineCase{" // comment", false},
                      LineCase{"40000,0,1", false}, LineCase{"1,0,99999", false},
                      LineCase{"1,0, 2 ", true}));

TEST(LayoutReader, FlagsOtherThanOneMakeAGeneralLie) {
    struct Case {
        const char* line;
        bool upright;
    };
    for (Case c : {Case{"3,1,1", true}, Case{"3,2,1", false}, Case{"3,1.5,1", false},
                   Case{"3,0.5,1", false}, Case{"3,1.4,1", true}, Case{"3,-1,1", false}}) {
        Board b;
        ASSERT_TRUE(applyLayoutLines(b, {c.line})) << c.line;
        EXPECT_EQ(b.piece(3).height > b.piece(3).width, c.upright) << c.line;
        EXPECT_EQ(b.piece(3).picture.element, c.upright ? 1 : 2) << c.line;
        EXPECT_EQ(b.piece(3).left, 450);
    }
}

TEST(LayoutReader, CellsOutsideTheBoardDressButDoNotMove) {
    Board b;
    ASSERT_TRUE(applyLayoutLines(b, {"7,0,0", "8,0,21"}));
    EXPECT_EQ(b.piece(7).picture, (PictureRef{7, 0}));
    EXPECT_EQ(b.piece(7).left, Board().piece(7).left);
    EXPECT_EQ(b.piece(8).top, Board().piece(8).top);
}

TEST(LayoutReader, AFaultyLineKeepsTheChangesBeforeItAndDressesItsPiece) {
    Board b;
    EXPECT_FALSE(applyLayoutLines(b, {"1,0,1", "3,0", "4,1,4"}));
    EXPECT_EQ(b.piece(1).left, 450);         // the first line was applied
    EXPECT_EQ(b.piece(3).width, 1800);       // the faulty line's piece was dressed (lying)...
    EXPECT_EQ(b.piece(3).left, 450);         // ...but not moved
    EXPECT_EQ(b.piece(4).picture.image, 0);  // the line after it never ran
}

TEST(LayoutReader, LaterLinesForTheSamePieceWinAndOverlapsAreAllowed) {
    Board b;
    ASSERT_TRUE(applyLayoutLines(b, {"7,0,1", "7,0,5", "8,0,5"}));
    EXPECT_EQ(b.piece(7).top, 1350);
    EXPECT_EQ(b.piece(8).top, 1350);
    EXPECT_EQ(b.piece(8).left, b.piece(7).left);
}

TEST(LayoutReader, APartialLayoutLeavesTheOtherPiecesWhereTheyWere) {
    Board b;
    ASSERT_TRUE(applyLayoutLines(b, classicLines()));
    Board before = b;
    ASSERT_TRUE(applyLayoutLines(b, {"1,0,17"}));
    EXPECT_EQ(b.piece(1).top, 4050);  // past the bottom edge: not the reader's business
    for (int i = 2; i <= 10; ++i) EXPECT_EQ(b.piece(i), before.piece(i)) << i;
}

// The board a layout file puts up, every piece it does not place off the
// grid.
Board readBack(const std::filesystem::path& path) {
    Board board;
    for (int i = 1; i <= kPieceCount; ++i) board.piece(i).left = -kCell;
    EXPECT_TRUE(applyLayoutBytes(board, readAll(path))) << path;
    return board;
}

// The start-up arrangement 横刀立马, sizes and places.
void expectDesignArrangement(const Board& board) {
    EXPECT_EQ(board.positionEntry(), Board().positionEntry());
    for (int i = 1; i <= kPieceCount; ++i) {
        EXPECT_EQ(board.piece(i).width, Board().piece(i).width) << i;
        EXPECT_EQ(board.piece(i).height, Board().piece(i).height) << i;
    }
}

TEST(LayoutWriterTest, WritesTheGamesFormatAndNeverOverwrites) {
    TempDir dir;
    const std::string lines =
        "1,0,2\r\n2,0,10\r\n3,1,1\r\n4,1,4\r\n5,1,9\r\n6,1,12\r\n"
        "7,0,14\r\n8,0,15\r\n9,0,17\r\n10,0,20\r\n";
    const auto path = dir.path() / pathFromUtf8("新阵.qlp");
    ASSERT_EQ(writeNewLayoutFile(path, "新阵", Board(), 116), LayoutWrite::Written);
    EXPECT_EQ(gb18030ToUtf8(readAll(path)), "// 新阵 — 最少 116 步\r\n" + lines);
    const Board back = readBack(path);
    expectDesignArrangement(back);
    EXPECT_TRUE(layoutFileText("困局", Board(), std::nullopt).starts_with("// 困局 — 无解\r\n"));

    // Saved under a shipped layout's name, a layout is that layout's file
    // byte for byte: one comment form for all layout files.
    const auto same = dir.path() / pathFromUtf8("横刀立马.qlp");
    ASSERT_EQ(writeNewLayoutFile(same, "横刀立马", Board(), 116), LayoutWrite::Written);
    EXPECT_EQ(readAll(same), readAll(shippedMapDir() / pathFromUtf8("横刀立马.qlp")));

    Board other;
    std::swap(other.piece(9), other.piece(10));
    EXPECT_EQ(writeNewLayoutFile(path, "新阵", other, 1), LayoutWrite::Exists);
    EXPECT_EQ(readBack(path), back) << "the file is left as it was";
    EXPECT_EQ(writeNewLayoutFile(dir.path() / "no-such-folder" / "a.qlp", "a", Board(), 116),
              LayoutWrite::Failed);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "no-such-folder"));

    // A file saved with the comment line the workshop wrote before still reads.
    const auto older =
        dir.write(pathFromUtf8("旧阵.qlp"), utf8ToGb18030("// 最少步数：116\r\n" + lines));
    expectDesignArrangement(readBack(older));
}

// Every shipped layout, read and written again under its name and fewest
// steps, is the shipped file byte for byte.
TEST(LayoutWriterTest, EveryShippedLayoutWritesBackAsShipped) {
    for (const auto& [name, classic] : classicTable()) {
        SCOPED_TRACE(name);
        const auto path = shippedMapDir() / pathFromUtf8(name + ".qlp");
        EXPECT_EQ(utf8ToGb18030(layoutFileText(name, readBack(path), classic.minSteps)),
                  readAll(path));
    }
}

}  // namespace
}  // namespace quellan
