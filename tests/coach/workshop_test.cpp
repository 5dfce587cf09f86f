// The workshop's core: share codes, random layouts by band, and new layout
// files.
#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "coach/arrangement.h"
#include "coach/distance_map.h"
#include "coach/layout_writer.h"
#include "coach/packed_position.h"
#include "coach/random_layout.h"
#include "coach/share_code.h"
#include "common/text_codec.h"
#include "common/text_file.h"
#include "support/classic_layouts.h"
#include "support/temp_dir.h"

namespace quellan {
namespace {

using namespace quellan::testing;

// The same arrangement, pieces of one kind interchangeable.
void expectSameArrangement(const Board& a, const Board& b) {
    EXPECT_EQ(packed::packBoard(a), packed::packBoard(b));
}

TEST(ShareCodeTest, RoundTripsEveryShippedLayoutAndTellsThemApart) {
    std::set<std::string> codes;
    for (const std::string& name : shippedNames()) {
        SCOPED_TRACE(name);
        const auto board = loadShipped(name);
        ASSERT_TRUE(board);
        const auto code = shareCodeOf(*board);
        ASSERT_TRUE(code);
        EXPECT_EQ(code->size(), kShareCodeLength);
        const auto back = boardFromShareCode(*code);
        ASSERT_TRUE(back);
        expectSameArrangement(*board, *back);
        codes.insert(*code);
    }
    EXPECT_EQ(codes.size(), shippedNames().size());
}

TEST(ShareCodeTest, LettersInEitherCaseAndTheGeneralsNumbersDoNotMatter) {
    const std::string code = *shareCodeOf(Board());
    std::string lower = code;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    ASSERT_TRUE(boardFromShareCode(lower));
    expectSameArrangement(*boardFromShareCode(lower), Board());
    Board swapped;
    std::swap(swapped.piece(3), swapped.piece(4));  // two upright generals trade places
    EXPECT_EQ(shareCodeOf(swapped), code);
}

TEST(ShareCodeTest, RefusesWhatIsNoCodeOfAProperArrangement) {
    for (const char* bad :
         {"", "12345", "1234567", "ZZZZZZ", "00000!", "000000", "2CC PJ", "ÿÿÿÿÿÿ"})
        EXPECT_FALSE(boardFromShareCode(bad)) << bad;
    Board overlapping;
    overlapping.piece(7) = overlapping.piece(8);
    EXPECT_FALSE(shareCodeOf(overlapping));
}

TEST(RandomLayoutTest, DrawsProperSolvableLayoutsInEachBand) {
    std::mt19937_64 random(2026);
    for (StepBand band :
         {StepBand{1, 40}, StepBand{41, 90}, StepBand{91, 140}, StepBand{141, 179}}) {
        SCOPED_TRACE(band.fewest);
        const auto board = drawLayout(band, random);
        ASSERT_TRUE(board);
        ASSERT_TRUE(isProperArrangement(*board));
        const auto steps = DistanceMap(*board).stepsToSolve(*board);
        ASSERT_TRUE(steps);
        EXPECT_GE(*steps, band.fewest);
        EXPECT_LE(*steps, band.most);
        expectSameArrangement(*board, *boardFromShareCode(*shareCodeOf(*board)));
    }
    EXPECT_FALSE(drawLayout({180, 999}, random, 5)) << "nothing needs more than 179 steps";
}

TEST(LayoutWriterTest, WritesTheGamesFormatAndNeverOverwrites) {
    TempDir dir;
    const auto path = dir.path() / pathFromUtf8("新阵.qlp");
    ASSERT_EQ(writeNewLayoutFile(path, Board(), 116), LayoutWrite::Written);
    EXPECT_EQ(gb18030ToUtf8(readAll(path)),
              "// 最少步数：116\r\n1,0,2\r\n2,0,10\r\n3,1,1\r\n4,1,4\r\n5,1,9\r\n6,1,12\r\n"
              "7,0,14\r\n8,0,15\r\n9,0,17\r\n10,0,20\r\n");
    const ArrangementRead back = readArrangement(path);
    ASSERT_EQ(back.fault, ArrangementFault::None);
    expectSameArrangement(back.board, Board());

    Board other;
    std::swap(other.piece(9), other.piece(10));
    EXPECT_EQ(writeNewLayoutFile(path, other, 1), LayoutWrite::Exists);
    EXPECT_EQ(readArrangement(path).board, back.board) << "the file is left as it was";
    EXPECT_EQ(writeNewLayoutFile(dir.path() / "no-such-folder" / "a.qlp", Board(), 116),
              LayoutWrite::Failed);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "no-such-folder"));
}

}  // namespace
}  // namespace quellan
