// The coach on the real window: the demonstration, the hint, the honest
// record, the replay of a record, and where its controls stand.
#include <QComboBox>
#include <QLabel>
#include <cmath>

#include "app/coach_panel.h"
#include "app/game_panel_layout.h"
#include "app/hint_mark.h"
#include "common/text_codec.h"
#include "tests/app/app_fixture.h"
#include "tests/app/game_driver.h"
#include "tests/app/window_parts.h"

namespace quellan {
namespace {

using namespace quellan::testing;

constexpr const char* kAssistedWin = "恭喜过关~\n本局用过提示或演示，成绩不计入记录。";

class Coach : public AppFixture {
  protected:
    bool startWith(const std::string& layout) {
        ship(layout);
        if (!start()) return false;
        coach()->setStepInterval(1);
        return true;
    }
    CoachPanel* coach() const { return inside(*window).coach(); }
    template <class W = QWidget>
    W* child(const char* name) const {
        return window->findChild<W*>(name);
    }
    void click(const char* button) { QTest::mouseClick(child(button), Qt::LeftButton); }
    std::filesystem::path record() const { return inside(*window).paths().recordFile("横刀立马"); }
    void writeRecord(const std::vector<std::string>& entries) {
        std::string text = "\"玩家：老将\"\r\n";
        for (const std::string& e : entries) text += "\"" + e + "\"\r\n";
        dir.write(pathFromUtf8("log/横刀立马.log"), utf8ToGb18030(text));
    }
    bool anyInputBox() const {
        return std::any_of(boxes.seen.begin(), boxes.seen.end(),
                           [](const SeenBox& b) { return b.input; });
    }
};

TEST_F(Coach, TheDemonstrationSolves横刀立马In116StepsAndWritesNoRecord) {
    ASSERT_TRUE(startWith("横刀立马"));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return child<QLabel>("coachFewest")->text() == "116（81）"; }));
    click("coachDemo");
    // A press on a piece stops it and does nothing else.
    QTest::mouseClick(QZ(*window, 7), Qt::LeftButton);
    EXPECT_FALSE(coach()->isPlaying());
    EXPECT_EQ(inside(*window).game().selectedQZ, 0);
    click("coachDemo");
    EXPECT_TRUE(QTest::qWaitFor([&] { return isSolved(inside(*window).game().board); }, 60000));
    EXPECT_EQ(inside(*window).game().stepCount, 116);
    EXPECT_EQ(inside(*window).game().history.size(), 117);
    EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.seen.size() == 1u; }));
    EXPECT_EQ(boxes.seen[0].text, kAssistedWin);
    EXPECT_FALSE(anyInputBox());
    EXPECT_FALSE(std::filesystem::exists(record()));
    EXPECT_FALSE(coach()->isPlaying());
    // Undo works afterwards.
    QTest::mouseClick(XPButton1(*window), Qt::LeftButton);
    EXPECT_EQ(inside(*window).game().stepCount, 115);
}

TEST_F(Coach, AHintSelectsAPieceAndMarksTheCellAPressThereMovesIt) {
    ASSERT_TRUE(startWith("横刀立马"));
    click("coachHint");
    const int selected = inside(*window).game().selectedQZ;
    ASSERT_NE(selected, 0);
    EXPECT_TRUE(QZ(*window, selected)->hasFocus());
    auto* mark = child<HintMark>("coachHintMark");
    ASSERT_TRUE(mark->isVisible());
    EXPECT_EQ(child<QLabel>("coachStepsToGo")->text(), "距终局：116");
    const QPoint centre = mark->geometry().center();
    QTest::mouseClick(Picture1(*window), Qt::LeftButton, {}, centre);
    EXPECT_EQ(inside(*window).game().stepCount, 1);
    EXPECT_FALSE(mark->isVisible());
    EXPECT_EQ(child<QLabel>("coachStepsToGo")->text(), "距终局：115");
    EXPECT_TRUE(inside(*window).game().assisted);
}

TEST_F(Coach, AnAssistedWinNeverAsksForAName) {
    // The commander one step above the exit.
    dir.write(pathFromUtf8("map/近.qlp"),
              "1,0,10\r\n2,0,2\r\n3,1,1\r\n4,1,4\r\n5,1,9\r\n6,1,12\r\n"
              "7,0,6\r\n8,0,7\r\n9,0,17\r\n10,0,20\r\n");
    ASSERT_TRUE(start());
    click("coachHint");  // the commander, one step above the exit
    ASSERT_EQ(inside(*window).game().selectedQZ, 1);
    QTest::mouseClick(Picture1(*window), Qt::LeftButton, {},
                      child<HintMark>("coachHintMark")->geometry().center());
    ASSERT_TRUE(isSolved(inside(*window).game().board));
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, kAssistedWin);
    EXPECT_FALSE(std::filesystem::exists(inside(*window).paths().recordFile("近")));
    EXPECT_EQ(Label(*window, 5)->text(), "无记录");
}

TEST_F(Coach, AReplayWalksTheRecordAndSetsTheLayoutUpAgain) {
    Board board;
    std::vector<std::string> entries{board.positionEntry()};
    std::vector<Board> boards{board};
    for (BoardStep step : {BoardStep{7, Direction::Down}, BoardStep{8, Direction::Left}}) {
        applyStep(board, step);
        entries.push_back(board.positionEntry());
        boards.push_back(board);
    }
    writeRecord(entries);
    ASSERT_TRUE(startWith("横刀立马"));
    ASSERT_EQ(Label(*window, 6)->text(), "老将");
    EXPECT_FALSE(Combo1(*window)->itemIcon(0).isNull()) << "the layout has a record";
    coach()->setStepInterval(200);
    QTest::mouseClick(Label(*window, 6), Qt::LeftButton);
    ASSERT_TRUE(coach()->isPlaying());
    for (std::size_t k = 1; k < boards.size(); ++k) {
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return Label(*window, 7)->text() == QString::number(k); }));
        const Piece& moved = boards[k].piece(k == 1 ? 7 : 8);
        EXPECT_EQ(QZ(*window, k == 1 ? 7 : 8)->pos(), boardPixel(moved.left, moved.top));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !coach()->isPlaying(); }));
    EXPECT_EQ(QZ(*window, 7)->pos(), boardPixel(1350, 3150));
    EXPECT_EQ(Label(*window, 7)->text(), "0");
    EXPECT_EQ(inside(*window).game().history.size(), 1);
    EXPECT_FALSE(inside(*window).game().assisted);
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(Coach, ABrokenRecordIsRefusedAndLeftAlone) {
    Board jumped;
    jumped.piece(7).top += 2 * kCell;
    writeRecord({Board().positionEntry(), jumped.positionEntry()});
    const std::string before = readAll(dir.path() / "log" / pathFromUtf8("横刀立马.log"));
    ASSERT_TRUE(startWith("横刀立马"));
    click("coachReplay");
    EXPECT_FALSE(coach()->isPlaying());
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "这份记录不是从本阵型开局、一步一步走成的，无法回放。");
    EXPECT_EQ(readAll(record()), before);
    EXPECT_EQ(QZ(*window, 7)->pos(), boardPixel(1350, 3150));
}

// The relative luminance of a colour, for the contrast of text on its
// background.
double luminance(QColor c) {
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

TEST_F(Coach, RaisedStepsToGoReadOnTheBottomBar) {
    ASSERT_TRUE(startWith("横刀立马"));
    click("coachHint");
    QTest::mouseClick(Picture1(*window), Qt::LeftButton, {},
                      child<HintMark>("coachHintMark")->geometry().center());
    QTest::mouseClick(XPButton1(*window), Qt::LeftButton);  // back: the steps to go rise
    auto* line = child<QLabel>("coachStepsToGo");
    ASSERT_EQ(line->text(), "距终局：116");
    const QColor red = line->palette().color(QPalette::WindowText);
    EXPECT_GT(red.red(), red.green() + 60) << "raised steps show in red";
    // Every pixel of the bar under the text: the text keeps a contrast of
    // at least 4.5 : 1 to each.
    const QImage bar = inside(*window).frameSurface();
    const QRect under = line->geometry() & bar.rect();
    ASSERT_FALSE(under.isEmpty());
    double worst = 100;
    for (int y = under.top(); y <= under.bottom(); ++y)
        for (int x = under.left(); x <= under.right(); ++x) {
            const double a = luminance(red), b = luminance(bar.pixelColor(x, y));
            worst = std::min(worst, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
        }
    EXPECT_GE(worst, 4.5);
}

TEST_F(Coach, TheHintOnALayoutWithoutASolutionSaysSo) {
    dir.write(pathFromUtf8("map/困局.qlp"),
              "1,0,13\r\n2,0,1\r\n3,0,15\r\n4,1,8\r\n5,1,3\r\n6,1,6\r\n"
              "7,0,19\r\n8,0,4\r\n9,0,11\r\n10,0,5\r\n");
    ASSERT_TRUE(start());
    click("coachHint");
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "这个阵型无法过关：曹操到不了出口。");
    EXPECT_FALSE(inside(*window).game().assisted);
}

TEST_F(Coach, AReplayOfARecordFileGoneMeanwhileIsRefusedAndSaidSo) {
    Board stepped;
    applyStep(stepped, {7, Direction::Down});
    writeRecord({Board().positionEntry(), stepped.positionEntry()});
    ASSERT_TRUE(startWith("横刀立马"));
    ASSERT_TRUE(child("coachReplay")->isEnabled());
    std::filesystem::remove(record());
    click("coachReplay");
    EXPECT_FALSE(coach()->isPlaying());
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "这个阵型的记录文件已经不在了，无法回放。");
    EXPECT_FALSE(child("coachReplay")->isEnabled());
    EXPECT_TRUE(Combo1(*window)->itemIcon(0).isNull()) << "the tick goes with the file";
}

// While the close question is open, the demonstration and the replay stand
// still; 否 lets them go on, 是 ends them with the window.
TEST_F(Coach, TheCloseQuestionHoldsAPlaybackNoGoesOnYesEnds) {
    Board board;
    std::vector<std::string> entries{board.positionEntry()};
    for (const BoardStep& step : fewestStepsPath(DistanceMap(board), board)) {
        applyStep(board, step);
        entries.push_back(board.positionEntry());
    }
    writeRecord(entries);
    ASSERT_TRUE(startWith("横刀立马"));
    // How far a playback has come: the step count the window shows.
    const auto progress = [&] { return Label(*window, 7)->text(); };
    for (const char* playback : {"coachDemo", "coachReplay"}) {
        SCOPED_TRACE(playback);
        click(playback);
        ASSERT_TRUE(coach()->isPlaying());
        ASSERT_TRUE(QTest::qWaitFor([&] { return progress().toInt() >= 2; }));
        QString atOpen, afterAWhile;
        boxes.whileOpen = [&] {
            atOpen = progress();
            QTest::qWait(60);  // many steps' time at the test's pace
            afterAWhile = progress();
        };
        inside(*window).Imclose_Click();  // answered with the default, 否
        ASSERT_FALSE(atOpen.isEmpty());
        EXPECT_EQ(afterAWhile, atOpen);
        ASSERT_TRUE(coach()->isPlaying());
        EXPECT_TRUE(QTest::qWaitFor([&] { return progress() != afterAWhile; }));
        click(playback);  // stops it
    }
    click("coachDemo");
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress().toInt() >= 2; }));
    boxes.whileOpen = nullptr;
    boxes.choices = {QMessageBox::Yes};
    inside(*window).Imclose_Click();
    EXPECT_FALSE(coach()->isPlaying());
    EXPECT_FALSE(window->isVisible());
}

// A press gives a button the focus, and Space or Return press the focused
// button; after the coach's buttons neither key starts anything.
TEST_F(Coach, NoKeyStartsADemonstrationOrAReplay) {
    Board stepped;
    applyStep(stepped, {7, Direction::Down});
    writeRecord({Board().positionEntry(), stepped.positionEntry()});
    ASSERT_TRUE(startWith("横刀立马"));
    const auto keysStartNothing = [&](const char* after) {
        SCOPED_TRACE(after);
        QCoreApplication::processEvents();
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            QTest::keyClick(focused, key);
            EXPECT_FALSE(coach()->interrupt()) << focused->objectName().toStdString();
        }
    };
    click("coachDemo");
    ASSERT_TRUE(coach()->isPlaying());
    click("coachDemo");  // stops it
    keysStartNothing("coachDemo");
    click("coachReplay");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !coach()->isPlaying(); }));
    keysStartNothing("coachReplay");
}

TEST_F(Coach, ControlsStandOnlyWhereThePanelPlacesNothing) {
    ASSERT_TRUE(startWith("横刀立马"));
    EXPECT_EQ(window->size(),
              QSize(twipsToPixels(layout::kWindowWidth), twipsToPixels(layout::kWindowHeight)));
    std::vector<QRect> taken;
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7",
                             "Combo1", "XPButton1", "Check1", "Check2"})
        taken.push_back(child(name)->geometry());
    for (const char* name :
         {"coachFewestCaption", "coachFewest", "coachHint", "coachDemo", "coachReplay"}) {
        const QRect r = child(name)->geometry();
        EXPECT_TRUE(QRect(QPoint(0, 0), Picture1(*window)->size()).contains(r)) << name;
        for (const QRect& t : taken) EXPECT_FALSE(r.intersects(t)) << name;
    }
    // The steps to go sit in the frame's bottom bar, below the panel.
    EXPECT_GE(child("coachStepsToGo")->y(), Picture1(*window)->geometry().bottom());
}

}  // namespace
}  // namespace quellan
