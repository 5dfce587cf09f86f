// The layout workshop on the real window: the dialog's wiring, a save from
// the name box to the set-up layout, a refused name, a failed write that
// leaves the layout folder as it was, and a trial whose win records nothing.
#include <QLineEdit>

#include "app/arrange_board.h"
#include "app/arrange_dialog.h"
#include "app/coach_panel.h"
#include "coach/distance_map.h"
#include "coach/share_code.h"
#include "common/text_codec.h"
#include "setup/layout_file.h"
#include "support/boards.h"
#include "support/full_disk.h"
#include "tests/app/app_fixture.h"
#include "tests/app/game_driver.h"

namespace quellan {
namespace {

using namespace quellan::testing;

class Workshop : public AppFixture {
  protected:
    void SetUp() override {
        ship("横刀立马");
        ship("水泄不通");
        ASSERT_TRUE(start());
    }
    ArrangeDialog* openDialog() {
        QTest::mouseClick(part<QWidget>(*window, "workshopButton"), Qt::LeftButton);
        auto* dialog = window->findChild<ArrangeDialog*>("arrangeDialog");
        if (dialog) dialog->waitForWork();
        return dialog;
    }
    QString shown(ArrangeDialog* dialog, const char* label) {
        return dialog->findChild<QLabel*>(label)->text();
    }
    std::vector<std::string> mapFolder() const {
        std::vector<std::string> names;
        for (const auto& f : std::filesystem::directory_iterator(dir.path() / "map"))
            names.push_back(f.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    bool anyInputBoxAfter(std::size_t seen) const {
        return std::any_of(boxes.seen.begin() + static_cast<std::ptrdiff_t>(seen), boxes.seen.end(),
                           [](const SeenBox& b) { return b.input; });
    }
};

TEST_F(Workshop, TheDialogStartsFromTheBoardAndFollowsThePresses) {
    const Board onBoard = inside(*window).game().board;
    ArrangeDialog* dialog = openDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(shown(dialog, "arrangeSolvable"), "可解：最少 116 步（整子移动 81 步）");
    EXPECT_EQ(shown(dialog, "arrangeReachable"), "可到达的局面：25955 个");
    EXPECT_EQ(shown(dialog, "arrangeCode"), "分享码：2CCLPJ");
    // The dialog stands centred on the game window.
    const QPoint off = dialog->geometry().center() - window->geometry().center();
    EXPECT_LE(off.manhattanLength(), 1) << off.x() << ", " << off.y();
    auto* board = dialog->findChild<ArrangeBoard*>("arrangeBoard");
    // A right press takes soldier 20 off; the figures go, the reason shows.
    QTest::mouseClick(board, Qt::RightButton, {}, ArrangeBoard::cellRect(19).center());
    EXPECT_EQ(dialog->editor().corners()[19], PieceKind::None);
    EXPECT_EQ(shown(dialog, "arrangeProper"), "阵型不完整，还差：兵 1");
    // A soldier pressed onto the commander is refused and said so.
    QTest::mouseClick(board, Qt::LeftButton, {}, ArrangeBoard::cellRect(5).center());
    EXPECT_EQ(shown(dialog, "arrangeNotice"), "放不下：和别的棋子重叠了。");
    QTest::mouseClick(board, Qt::LeftButton, {}, ArrangeBoard::cellRect(18).center());
    dialog->waitForWork();
    EXPECT_EQ(shown(dialog, "arrangeProper"), "阵型完整：十枚棋子都已摆好。");
    // A bad code is refused with a message and changes nothing.
    const Corners before = dialog->editor().corners();
    dialog->findChild<QLineEdit*>("arrangeCodeField")->setText("ZZ!");
    QTest::mouseClick(dialog->findChild<QWidget*>("arrangeRead"), Qt::LeftButton);
    ASSERT_FALSE(boxes.seen.empty());
    EXPECT_TRUE(boxes.seen.back().text.startsWith("这不是有效的分享码"));
    EXPECT_EQ(dialog->editor().corners(), before);
    // Nothing of the game changed while the dialog was open.
    EXPECT_EQ(inside(*window).game().board, onBoard);
    EXPECT_EQ(inside(*window).game().currentMap, "横刀立马");
    EXPECT_EQ(inside(*window).game().stepCount, 0);
}

TEST_F(Workshop, ASavedLayoutIsWrittenListedLastAndSetUp) {
    ArrangeDialog* dialog = openDialog();
    ASSERT_TRUE(dialog);
    dialog->readCode("2CCLPJ");
    const Board arrangement = *dialog->editor().board();
    boxes.answers = {"  我的阵  "};
    dialog->save();
    EXPECT_EQ(readAll(dir.path() / "map" / pathFromUtf8("我的阵.qlp")),
              utf8ToGb18030(layoutFileText("我的阵", arrangement, 116)));
    QComboBox* chooser = Combo1(*window);
    ASSERT_EQ(chooser->count(), 3);
    EXPECT_EQ(chooser->itemText(2), "我的阵");
    EXPECT_EQ(chooser->currentIndex(), 2);
    EXPECT_EQ(inside(*window).game().currentMap, "我的阵");
    EXPECT_EQ(inside(*window).game().history.size(), 1u);
    EXPECT_EQ(inside(*window).game().board, arrangement);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !window->findChild<ArrangeDialog*>("arrangeDialog"); }));
}

TEST_F(Workshop, ARefusedNameIsSaidAndNothingIsWritten) {
    ArrangeDialog* dialog = openDialog();
    ASSERT_TRUE(dialog);
    const auto before = mapFolder();
    boxes.answers = {"a/b", "水泄不通"};  // then the box is cancelled
    dialog->save();
    std::vector<QString> said;
    for (const SeenBox& b : boxes.seen)
        if (!b.input) said.push_back(b.text);
    EXPECT_EQ(said,
              (std::vector<QString>{"阵型名称不能含有 \\ / : * ? \" < > | 这些字符或控制字符。",
                                    "已经有同名的阵型了，请换一个名称。"}));
    EXPECT_EQ(mapFolder(), before);
    EXPECT_EQ(Combo1(*window)->count(), 2);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(Workshop, AFailedWriteIsSaidAndLeavesTheFolderAsItWas) {
    ArrangeDialog* dialog = openDialog();
    ASSERT_TRUE(dialog);
    const auto before = mapFolder();
    boxes.answers = {"新阵"};
    {
        FullDisk full;
        if (!full.works()) GTEST_SKIP() << "no file size limit here";
        dialog->save();
    }
    ASSERT_FALSE(boxes.seen.empty());
    EXPECT_TRUE(boxes.seen.back().text.startsWith("阵型文件写不进 map 文件夹"));
    EXPECT_EQ(mapFolder(), before);
    EXPECT_EQ(Combo1(*window)->count(), 2);
    EXPECT_EQ(inside(*window).game().currentMap, "横刀立马");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->editor().board());
}

TEST_F(Workshop, EscapeClosesTheDialogWhereverTheFocusIs) {
    ArrangeDialog* dialog = openDialog();
    ASSERT_TRUE(dialog);
    QWidget* take = dialog->findChild<QWidget*>("arrangeTake");
    take->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(take->hasFocus());
    QTest::keyClick(take, Qt::Key_Escape);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !window->findChild<ArrangeDialog*>("arrangeDialog"); }, 1000));
    EXPECT_EQ(inside(*window).game().currentMap, "横刀立马") << "nothing changed, as after 关闭";
}

// 保存 pressed while a random draw is still running saves the board the
// figures were worked out for.
TEST_F(Workshop, ASaveDuringARandomDrawSavesTheFiguresOfTheBoardSaved) {
    ArrangeDialog* dialog = openDialog();
    ASSERT_TRUE(dialog);
    std::optional<Board> saved;
    std::optional<int> savedSteps;
    dialog->setSaveHandler([&](const Board& board, std::optional<int> fewest) {
        saved = board;
        savedSteps = fewest;
        return false;
    });
    dialog->drawRandom(0);  // 入门: up to 40 steps, 横刀立马 needs 116
    dialog->save();
    ASSERT_TRUE(saved);
    EXPECT_EQ(savedSteps, DistanceMap(*saved).stepsToSolve(*saved));
}

// The commander one step above the exit.
const std::vector<std::string> kNearlySolved = {"1,0,10", "2,0,2", "3,1,1", "4,1,4",  "5,1,9",
                                                "6,1,12", "7,0,6", "8,0,7", "9,0,17", "10,0,20"};

TEST_F(Workshop, ATrialIsPlayedWithoutAFileAndItsWinRecordsNothing) {
    ArrangeDialog* dialog = openDialog();
    ASSERT_TRUE(dialog);
    dialog->readCode(QString::fromStdString(*shareCodeOf(boardFrom(kNearlySolved))));
    dialog->trial();
    QComboBox* chooser = Combo1(*window);
    EXPECT_TRUE(inside(*window).game().trial);
    // The chooser says 试玩 as long as the trial lasts, also once the
    // coach's figures of the arrangement have come.
    ASSERT_TRUE(inside(*window).coach()->figures());
    QCoreApplication::processEvents();
    EXPECT_EQ(chooser->currentText(), "试玩");
    EXPECT_EQ(chooser->count(), 2);
    EXPECT_EQ(inside(*window).game().currentMap, "横刀立马");
    EXPECT_EQ(Label(*window, 5)->text(), "无记录");

    // The window is active again once the dialog is gone, as for the player.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const std::size_t seen = boxes.seen.size();
    const DistanceMap map(inside(*window).game().board);
    const auto path = fewestStepsPath(map, inside(*window).game().board);
    ASSERT_EQ(path.size(), 1u);
    playStep(*window, path[0]);
    ASSERT_TRUE(isSolved(inside(*window).game().board));
    EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.seen.size() == seen + 1; }));
    EXPECT_EQ(boxes.seen.back().text, "恭喜过关~\n试玩的阵型没有记录，成绩不保存。");
    EXPECT_FALSE(anyInputBoxAfter(seen));
    EXPECT_EQ(chooser->currentText(), "试玩");
    for (const auto& f : std::filesystem::directory_iterator(dir.path() / "log"))
        ADD_FAILURE() << "a file in log: " << f.path();
    EXPECT_EQ(mapFolder(), (std::vector<std::string>{"横刀立马.qlp", "水泄不通.qlp"}));

    // A pick from the list afterwards sets its layout up as usual.
    pickFromList(*window, 0);
    EXPECT_FALSE(inside(*window).game().trial);
    EXPECT_EQ(inside(*window).game().stepCount, 0);
    EXPECT_EQ(inside(*window).game().currentMap, chooser->itemData(0).toByteArray().toStdString());
}

}  // namespace
}  // namespace quellan
