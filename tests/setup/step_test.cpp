// The step definition against the table of the sixteen steps: for each
// shape and direction, the cells entered in the move engine's test order
// and the piece's new corner.
#include "setup/step.h"

#include <gtest/gtest.h>

#include <vector>

namespace quellan {
namespace {

struct StepCase {
    const char* name;
    Footprint fp;
    Direction direction;
    std::vector<Point> entered;
    Point to;
};

// Every piece stands with its corner at (L, T) = (1350, 1350).
const StepCase kSteps[] = {
    {"CommanderUp", {2, 2}, Direction::Up, {{1350, 450}, {2250, 450}}, {1350, 450}},
    {"CommanderDown", {2, 2}, Direction::Down, {{1350, 3150}, {2250, 3150}}, {1350, 2250}},
    {"CommanderLeft", {2, 2}, Direction::Left, {{450, 1350}, {450, 2250}}, {450, 1350}},
    {"CommanderRight", {2, 2}, Direction::Right, {{3150, 1350}, {3150, 2250}}, {2250, 1350}},
    {"LyingUp", {2, 1}, Direction::Up, {{1350, 450}, {2250, 450}}, {1350, 450}},
    {"LyingDown", {2, 1}, Direction::Down, {{1350, 2250}, {2250, 2250}}, {1350, 2250}},
    {"LyingLeft", {2, 1}, Direction::Left, {{450, 1350}}, {450, 1350}},
    {"LyingRight", {2, 1}, Direction::Right, {{3150, 1350}}, {2250, 1350}},
    {"UprightUp", {1, 2}, Direction::Up, {{1350, 450}}, {1350, 450}},
    {"UprightDown", {1, 2}, Direction::Down, {{1350, 3150}}, {1350, 2250}},
    {"UprightLeft", {1, 2}, Direction::Left, {{450, 1350}, {450, 2250}}, {450, 1350}},
    {"UprightRight", {1, 2}, Direction::Right, {{2250, 1350}, {2250, 2250}}, {2250, 1350}},
    {"SoldierUp", {1, 1}, Direction::Up, {{1350, 450}}, {1350, 450}},
    {"SoldierDown", {1, 1}, Direction::Down, {{1350, 2250}}, {1350, 2250}},
    {"SoldierLeft", {1, 1}, Direction::Left, {{450, 1350}}, {450, 1350}},
    {"SoldierRight", {1, 1}, Direction::Right, {{2250, 1350}}, {2250, 1350}},
};

class StepTable : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepTable, EntersTheCellsBeyondThePieceAndMovesOneCell) {
    const StepCase& c = GetParam();
    const PieceStep step = stepOf({1350, 1350}, c.fp, c.direction);
    EXPECT_EQ(step.to, c.to);
    ASSERT_EQ(step.enteredCount, static_cast<int>(c.entered.size()));
    for (int k = 0; k < step.enteredCount; ++k)
        EXPECT_EQ(step.entered[static_cast<std::size_t>(k)], c.entered[static_cast<std::size_t>(k)])
            << "cell " << k;
    // The press point lies strictly inside the first entered cell.
    const Point press = pressPointOf({1350, 1350}, c.fp, c.direction);
    EXPECT_GT(press.left, c.entered[0].left);
    EXPECT_LT(press.left, c.entered[0].left + kCell);
    EXPECT_GT(press.top, c.entered[0].top);
    EXPECT_LT(press.top, c.entered[0].top + kCell);
}

INSTANTIATE_TEST_SUITE_P(Sixteen, StepTable, ::testing::ValuesIn(kSteps),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quellan
