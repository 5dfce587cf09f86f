#include "play/selection.h"

#include <gtest/gtest.h>

#include "support/fake_host.h"

namespace quellan {
namespace {

TEST(Selection, FocusSelectsWithTheSelectSoundAndLosingItClears) {
    GameState state;
    testing::FakeHost host;
    QZ_GotFocus(state, host, 4);
    EXPECT_EQ(state.selectedQZ, 4);
    EXPECT_EQ(host.log, (std::vector<std::string>{"effect /sound/select.wav"}));
    QZ_LostFocus(state);
    EXPECT_EQ(state.selectedQZ, 0);
    EXPECT_EQ(host.log.size(), 1u);
}

TEST(Selection, OnlyTheLeftButtonCountsAndTheMarginDragsTheWindow) {
    struct Case {
        int button;
        float x, y;
        BoardPress expected;
    };
    for (Case c : {Case{kLeftButton, 450, 450, BoardPress::Move},
                   Case{kLeftButton, 4050, 4950, BoardPress::Move},
                   Case{kLeftButton, 2000, 2000, BoardPress::Move},
                   Case{kLeftButton, 4050.5f, 4950, BoardPress::DragWindow},
                   Case{kLeftButton, 449, 900, BoardPress::DragWindow},
                   Case{kLeftButton, 900, 4951, BoardPress::DragWindow},
                   Case{kLeftButton, 5000, 1000, BoardPress::DragWindow},
                   Case{kRightButton, 2000, 2000, BoardPress::Ignored},
                   Case{kMiddleButton, 2000, 2000, BoardPress::Ignored},
                   Case{kRightButton, 100, 100, BoardPress::Ignored}}) {
        SCOPED_TRACE(::testing::Message() << "button " << c.button << " at " << c.x << "," << c.y);
        EXPECT_EQ(classifyBoardPress(c.button, c.x, c.y), c.expected);
    }
}

}  // namespace
}  // namespace quellan
