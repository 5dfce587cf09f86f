// The caption buttons' looks: normal, hover (tag "1") and pressed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame_model/caption_button_state.h"

namespace quellan::frame {
namespace {

enum class Step { Move, Down, Up, Reset };

struct Case {
    const char* name;
    std::vector<Step> steps;
    CaptionLook look;
    std::string tag;
};

class CaptionLooks : public ::testing::TestWithParam<Case> {};

TEST_P(CaptionLooks, FollowTheMouse) {
    CaptionButtonState state;
    for (Step s : GetParam().steps) {
        switch (s) {
            case Step::Move:
                state.mouseMove();
                break;
            case Step::Down:
                state.mouseDown();
                break;
            case Step::Up:
                state.mouseUp();
                break;
            case Step::Reset:
                state.reset();
                break;
        }
    }
    EXPECT_EQ(state.look(), GetParam().look);
    EXPECT_EQ(state.tag(), GetParam().tag);
}

using S = Step;
using L = CaptionLook;
INSTANTIATE_TEST_SUITE_P(
    Table, CaptionLooks,
    ::testing::Values(
        Case{"Start", {}, L::Normal, ""}, Case{"Hover", {S::Move}, L::Hover, "1"},
        Case{"HoverStays", {S::Move, S::Move, S::Move}, L::Hover, "1"},
        Case{"Press", {S::Move, S::Down}, L::Pressed, "1"},
        Case{"PressWithoutHover", {S::Down}, L::Pressed, ""},
        // Moving on while pressed keeps the pressed picture.
        Case{"PressedThenMoved", {S::Move, S::Down, S::Move}, L::Pressed, "1"},
        Case{"Release", {S::Move, S::Down, S::Up}, L::Normal, ""},
        Case{"HoverAgainAfterRelease", {S::Move, S::Down, S::Up, S::Move}, L::Hover, "1"},
        Case{"FrameResetsHover", {S::Move, S::Reset}, L::Normal, ""},
        Case{"ResetOfNormalChangesNothing", {S::Reset}, L::Normal, ""},
        // A press after a plain press-and-reset: the untagged
        // pressed look is not touched by the frame.
        Case{"UntaggedPressSurvivesReset", {S::Down, S::Reset}, L::Pressed, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CaptionButtonState, ResetReportsWhetherAnythingChanged) {
    CaptionButtonState state;
    EXPECT_FALSE(state.reset());
    state.mouseMove();
    EXPECT_TRUE(state.reset());
    EXPECT_FALSE(state.reset());
}

}  // namespace
}  // namespace quellan::frame
