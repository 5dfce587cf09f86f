// The workshop's core: share codes and random layouts by band.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>

#include "coach/arrangement.h"
#include "coach/arrangement_figures.h"
#include "coach/distance_map.h"
#include "coach/packed_position.h"
#include "coach/random_layout.h"
#include "coach/share_code.h"
#include "support/classic_layouts.h"

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

// Codes players have shared keep naming the same layouts: the code of every
// shipped layout, as the game has always given it, both ways.
TEST(ShareCodeTest, EveryShippedLayoutKeepsItsCode) {
    const std::map<std::string, std::string> codes = {
        {"一路进军", "2AWREF"},  {"一路顺风", "2AX3JN"},  {"三军联防", "3N39IP"},
        {"云遮雾障", "2CCEH4"},  {"五将逼宫", "300PTT"},  {"入地无门", "2AVDX6"},
        {"兵临曹营", "1HSM43"},  {"兵分三路", "1I2WVB"},  {"兵挡将阻", "1J0D11"},
        {"前呼后拥", "14EPBB"},  {"前挡后阻", "3SECVC"},  {"双将挡路", "2AX4ES"},
        {"四将连关", "3TSXD5"},  {"四路进兵", "1HSF7A"},  {"四面楚歌", "1TS8D7"},
        {"围而不歼", "2AX1MR"},  {"堵塞要道", "1HSK95"},  {"夹道藏兵", "3GTWKQ"},
        {"守口如瓶1", "2C1VUC"}, {"守口如瓶2", "1I2FW0"}, {"将拥曹营", "0NU5RV"},
        {"层层设防1", "2C3X7X"}, {"层层设防2", "1I2VE9"}, {"层峦叠嶂", "2C4215"},
        {"屯兵东路", "3MZV1N"},  {"峰回路转", "10PZFW"},  {"左右布兵", "1HSJOB"},
        {"巧过五关", "1HSYPZ"},  {"指挥若定", "2C3YOZ"},  {"捷足先登", "1HRX1N"},
        {"插翅难飞", "2AY1X0"},  {"桃花园中", "1I2KSB"},  {"横刀立马", "2CCLPJ"},
        {"横马当关", "2CKP0C"},  {"比翼横空", "36SZTU"},  {"水泄不通", "2AYV3Q"},
        {"瓮中之鳖", "2CKRVT"},  {"近在咫尺", "17KF1G"},  {"雨声淅沥", "2AX3UN"},
        {"齐头并进", "2C0KE7"},
    };
    ASSERT_EQ(codes.size(), shippedNames().size());
    for (const std::string& name : shippedNames()) {
        SCOPED_TRACE(name);
        const auto board = loadShipped(name);
        ASSERT_TRUE(board);
        ASSERT_TRUE(codes.contains(name));
        EXPECT_EQ(shareCodeOf(*board), codes.at(name));
        const auto back = boardFromShareCode(codes.at(name));
        ASSERT_TRUE(back);
        expectSameArrangement(*back, *board);
        // Typed in small letters, a to z alike, it names the same layout.
        std::string lower = codes.at(name);
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(boardFromShareCode(lower), back);
    }
}

// What the workshop shows of an arrangement: the figures an independent
// search found for every shipped layout.
TEST(ArrangementFiguresTest, EveryShippedLayoutHasItsClassicFigures) {
    for (const auto& [name, classic] : classicTable()) {
        SCOPED_TRACE(name);
        const auto board = loadShipped(name);
        ASSERT_TRUE(board);
        const ArrangementFigures figures = figuresOf(*board);
        EXPECT_EQ(figures.fewestSteps, classic.minSteps);
        EXPECT_EQ(figures.fewestPieceMoves, classic.minPieceMoves);
        EXPECT_EQ(figures.reachable, classic.reachable);
        EXPECT_EQ(figures.shareCode, shareCodeOf(*board));
    }
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

TEST(RandomLayoutTest, TheBandsTileEveryStepCountAndSayTheirBounds) {
    // The numbers in a band's name, as the player reads them.
    const auto numbersIn = [](std::string_view name) {
        std::vector<int> numbers;
        for (std::size_t k = 0; k < name.size();) {
            if (!std::isdigit(static_cast<unsigned char>(name[k]))) {
                ++k;
                continue;
            }
            int n = 0;
            while (k < name.size() && std::isdigit(static_cast<unsigned char>(name[k])))
                n = n * 10 + (name[k++] - '0');
            numbers.push_back(n);
        }
        return numbers;
    };
    const std::size_t count = std::size(kDifficultyBands);
    ASSERT_GE(count, 2u);
    EXPECT_EQ(kDifficultyBands[0].steps.fewest, 1);
    EXPECT_EQ(kDifficultyBands[count - 1].steps.most, 179) << "the hardest layout";
    for (std::size_t k = 0; k < count; ++k) {
        const DifficultyBand& band = kDifficultyBands[k];
        SCOPED_TRACE(band.name);
        EXPECT_LE(band.steps.fewest, band.steps.most);
        if (k > 0) {
            EXPECT_EQ(band.steps.fewest, kDifficultyBands[k - 1].steps.most + 1);
        }
        // "40 步以内", "41–90 步", "141 步以上".
        const std::vector<int> said = numbersIn(band.name);
        const std::vector<int> bounds = k == 0 ? std::vector<int>{band.steps.most}
                                        : k == count - 1
                                            ? std::vector<int>{band.steps.fewest}
                                            : std::vector<int>{band.steps.fewest, band.steps.most};
        EXPECT_EQ(said, bounds);
    }
}

TEST(RandomLayoutTest, ABandHoldsBothItsEdges) {
    std::mt19937_64 random(23);
    for (int steps : {40, 41}) {
        const auto board = drawLayout({steps, steps}, random);
        ASSERT_TRUE(board) << steps;
        EXPECT_EQ(DistanceMap(*board).stepsToSolve(*board), steps);
    }
}

}  // namespace
}  // namespace quellan
