// A whole game of 横刀立马 played with the mouse along a shortest path, the
// record written, and the record shown when the layout is set up again.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "common/text_codec.h"
#include "media/music_check_box.h"
#include "tests/app/app_fixture.h"
#include "tests/app/game_driver.h"
#include "tests/app/window_parts.h"

namespace quellan {
namespace {

using namespace quellan::testing;

class EndToEnd : public AppFixture {};

TEST_F(EndToEnd, Plays横刀立马ToTheEndAndKeepsTheRecord) {
    ship("横刀立马");
    ship("水泄不通");
    ASSERT_TRUE(start());
    ASSERT_EQ(Combo1(*window)->currentText(), "横刀立马");
    auto solution = solve(inside(*window).game().board);
    ASSERT_TRUE(solution);
    ASSERT_EQ(solution->steps, 116);

    boxes.answers = {"  测试员  "};
    Check1(*window)->setValue(1);
    for (int i = 0; i < solution->steps; ++i) {
        playStep(*window, solution->path[static_cast<size_t>(i)]);
        ASSERT_EQ(inside(*window).game().stepCount, i + 1) << "step " << i + 1 << " did not move";
        ASSERT_EQ(Label(*window, 7)->text(), QString::number(i + 1));
    }
    ASSERT_TRUE(isSolved(inside(*window).game().board));

    // The congratulation, then the name box; the music waits for the next layout.
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[0].text, "恭喜过关~");
    EXPECT_EQ(boxes.seen[0].caption, "Quellan");
    EXPECT_TRUE(boxes.seen[1].input);
    EXPECT_EQ(boxes.seen[1].caption, "Quellan - 新的最佳步数记录");
    EXPECT_EQ(boxes.seen[1].text, "您创造了一个新的记录！\n请输入您的尊姓大名。");
    EXPECT_EQ(Check1(*window)->value(), 2);
    EXPECT_EQ(Label(*window, 5)->text(), "116");
    EXPECT_EQ(Label(*window, 6)->text(), "测试员");
    EXPECT_EQ(Label(*window, 6)->toolTip(), "测试员");

    // The record file: the player line, then every position of the game.
    auto lines = readTextLines(inside(*window).paths().recordFile("横刀立马"));
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 118u);
    EXPECT_EQ((*lines)[0], "\"玩家：测试员\"");
    EXPECT_EQ((*lines)[1],
              "\"90,30,90,150,30,30,210,30,30,150,210,150,90,210,150,210,30,270,210,270\"");
    EXPECT_EQ(lines->back(), "\"" + inside(*window).game().board.positionEntry() + "\"");
    const std::string raw = readAll(inside(*window).paths().recordFile("横刀立马"));
    EXPECT_EQ(std::count(raw.begin(), raw.end(), '\n'), 118);
    EXPECT_EQ(raw.find("\n\""), raw.find("\r\n\"") + 1);  // CR LF line ends

    // Setting the layout up again is a new game that shows the record.
    Combo1(*window)->setCurrentIndex(Combo1(*window)->findText("横刀立马"));
    emit Combo1(*window)->activated(Combo1(*window)->currentIndex());
    EXPECT_EQ(inside(*window).game().stepCount, 0);
    EXPECT_EQ(Label(*window, 7)->text(), "0");
    EXPECT_EQ(Label(*window, 5)->text(), "116");
    EXPECT_EQ(Label(*window, 6)->text(), "测试员");
    EXPECT_EQ(Check1(*window)->value(), 1);  // the music comes back
}

}  // namespace
}  // namespace quellan
