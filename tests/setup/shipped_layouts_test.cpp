// Every layout the game ships must load, be a legal arrangement and be
// solvable in exactly the number of steps the classic table gives for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "coach/distance_map.h"
#include "setup/board.h"
#include "support/classic_layouts.h"
#include "support/reference_solver.h"

namespace quellan {
namespace {

using namespace quellan::testing;

// Splits a table cell such as "1,0,2;2,1,1;...".
std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
    return parts;
}

// What stands with its top-left corner on each cell, by kind only: the
// arrangement as the player sees it, whatever the generals' numbers.
using KindGrid = std::array<PieceKind, kCellCount>;

// The kind a line of the classic table gives piece `index` with `flag`.
PieceKind kindOfLine(int index, int flag) {
    if (index == kCommander) return PieceKind::Commander;
    if (isGeneralIndex(index)) return flag == 1 ? PieceKind::Upright : PieceKind::Lying;
    return PieceKind::Soldier;
}

KindGrid kindsOfTable(const std::string& layoutLines) {
    KindGrid grid{};
    for (const std::string& line : split(layoutLines, ';')) {
        std::vector<std::string> f = split(line, ',');
        grid.at(static_cast<std::size_t>(std::stoi(f.at(2)) - 1)) =
            kindOfLine(std::stoi(f.at(0)), std::stoi(f.at(1)));
    }
    return grid;
}

KindGrid kindsOfBoard(const Board& board) {
    KindGrid grid{};
    for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& p = board.piece(i);
        grid.at(static_cast<std::size_t>(cellOf({p.left, p.top}))) = kindOf(i, p);
    }
    return grid;
}

// Which piece covers each cell; 0 for a free cell. Fails the test on a piece
// off the grid, past the edge, or on top of another.
std::optional<std::array<int, kCellCount>> occupancy(const Board& board) {
    std::array<int, kCellCount> cells{};
    for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& p = board.piece(i);
        const Footprint fp = footprintOf(i, p);
        const bool onGrid = (p.left - kBoardLeft) % kCell == 0 && (p.top - kBoardTop) % kCell == 0;
        const int column = (p.left - kBoardLeft) / kCell, row = (p.top - kBoardTop) / kCell;
        if (!onGrid || fp.w == 0 || column < 0 || row < 0 || column + fp.w > kColumns ||
            row + fp.h > kRows) {
            ADD_FAILURE() << "piece " << i << " is not inside the board at (" << p.left << ", "
                          << p.top << ")";
            return std::nullopt;
        }
        for (int r = row; r < row + fp.h; ++r) {
            for (int c = column; c < column + fp.w; ++c) {
                int& cell = cells.at(static_cast<std::size_t>(cellIndex(c, r)));
                if (cell != 0) {
                    ADD_FAILURE() << "pieces " << cell << " and " << i << " overlap";
                    return std::nullopt;
                }
                cell = i;
            }
        }
    }
    return cells;
}

// Plays one step of the reference solver's path on the board the way the
// move engine would: the piece goes one cell in the direction, into cells
// that must be free.
bool playStep(Board& board, const BoardStep& step) {
    if (!isPieceIndex(step.piece)) return false;
    Piece& p = board.piece(step.piece);
    const Piece before = p;
    applyStep(board, step);
    if (occupancy(board)) return true;
    p = before;
    return false;
}

TEST(ShippedLayoutsTest, OneFilePerClassicLayout) {
    std::vector<std::string> expected;
    for (const auto& [name, row] : classicTable()) expected.push_back(name);
    ASSERT_EQ(expected.size(), 40u) << classicTablePath();
    EXPECT_EQ(shippedNames(), expected);
}

TEST(ShippedLayoutsTest, HengDaoLiMaIsTheStartUpArrangement) {
    auto board = loadShipped("横刀立马");
    ASSERT_TRUE(board);
    Board startUp;
    for (int i = 1; i <= kPieceCount; ++i) {
        EXPECT_EQ(board->piece(i).left, startUp.piece(i).left) << "piece " << i;
        EXPECT_EQ(board->piece(i).top, startUp.piece(i).top) << "piece " << i;
        EXPECT_EQ(board->piece(i).width, startUp.piece(i).width) << "piece " << i;
        EXPECT_EQ(board->piece(i).height, startUp.piece(i).height) << "piece " << i;
    }
}

class ShippedLayout : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedLayout, LoadsAsALegalArrangementOfTheClassic) {
    const auto row = classicTable().find(GetParam());
    ASSERT_NE(row, classicTable().end()) << "not in the classic table";
    auto board = loadShipped(GetParam());
    ASSERT_TRUE(board) << "the layout reader refused the file";

    for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& p = board->piece(i);
        EXPECT_NE(p.picture, PictureRef{}) << "piece " << i << " was never dressed";
        if (isGeneralIndex(i)) {
            EXPECT_EQ(p.picture, (PictureRef{i, p.height > p.width ? 1 : 2})) << "general " << i;
        }
    }
    const auto cells = occupancy(*board);
    ASSERT_TRUE(cells);
    EXPECT_EQ(std::count(cells->begin(), cells->end(), 0), 2) << "free cells";
    EXPECT_EQ(kindsOfBoard(*board), kindsOfTable(row->second.lines));
    EXPECT_FALSE(isSolved(*board));
}

TEST_P(ShippedLayout, SolvesInTheClassicNumberOfSteps) {
    const auto row = classicTable().find(GetParam());
    ASSERT_NE(row, classicTable().end());
    auto board = loadShipped(GetParam());
    ASSERT_TRUE(board);

    EXPECT_EQ(countReachable(*board), row->second.reachable);
    const std::optional<Solution> solution = solve(*board);
    ASSERT_TRUE(solution) << "no solution found";
    EXPECT_EQ(solution->steps, row->second.minSteps);
    ASSERT_EQ(solution->path.size(), static_cast<std::size_t>(solution->steps));

    Board played = *board;
    for (std::size_t i = 0; i < solution->path.size(); ++i) {
        ASSERT_TRUE(playStep(played, solution->path[i])) << "step " << i + 1 << " is not a move";
        if (i + 1 < solution->path.size()) {
            ASSERT_FALSE(isSolved(played)) << "solved early after step " << i + 1;
        }
    }
    EXPECT_TRUE(isSolved(played));
}

std::string testName(const ::testing::TestParamInfo<std::string>& info) {
    return "layout" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(AllShipped, ShippedLayout, ::testing::ValuesIn(shippedNames()), testName);

}  // namespace
}  // namespace quellan
