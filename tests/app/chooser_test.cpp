// The layout chooser with real key and mouse events: only a pick from its
// list sets a layout up, and a layout named in the Chinese code page is
// listed readably, loads, keeps its record and is found again next time.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>

#include "common/text_codec.h"
#include "tests/app/app_fixture.h"
#include "tests/app/game_driver.h"
#include "tests/app/window_parts.h"

namespace quellan {
namespace {

using namespace quellan::testing;

// 横刀 in code page 936: how an archive made on Windows names its files.
const std::string kGbkName = "\xBA\xE1\xB5\xB6";

class Chooser : public AppFixture {
  protected:
    void copyShipped(const std::string& shipped, const std::string& asName) {
        dir.write(std::filesystem::path("map") / pathFromUtf8(asName + ".qlp"),
                  readAll(std::filesystem::path(QUELLAN_ASSETS_DIR) / "map" /
                          pathFromUtf8(shipped + ".qlp")));
    }
    // Letters come as key presses, Chinese through the input method.
    static void type(QLineEdit* field, const QString& text) {
        if (text.front().unicode() < 0x80) {
            QTest::keyClicks(field, text);
            return;
        }
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(field, &commit);
    }
    QStringList listed() {
        QStringList names;
        for (int i = 0; i < Combo1(*window)->count(); ++i) names << Combo1(*window)->itemText(i);
        return names;
    }
    void stepSoldier9() {
        pressPiece(*window, 9);  // soldier at cell 17
        pressBoard(*window, 1800, 4500);
    }
    void pickFromList(int row) { testing::pickFromList(*window, row); }
};

TEST_F(Chooser, TypingReturnAndLeavingTheFieldChangeNothing) {
    ship("横刀立马");
    copyShipped("水泄不通", "abcd");
    ASSERT_TRUE(start());
    ASSERT_EQ(listed(), (QStringList{"abcd", "横刀立马"}));
    stepSoldier9();
    ASSERT_EQ(inside(*window).game().stepCount, 1);
    const std::string position = inside(*window).game().board.positionEntry();
    QLineEdit* field = Combo1(*window)->lineEdit();
    ASSERT_NE(field, nullptr);
    auto unchanged = [&](const QString& typed) {
        SCOPED_TRACE("typed " + typed.toStdString());
        EXPECT_EQ(inside(*window).game().currentMap, "横刀立马");
        EXPECT_EQ(inside(*window).game().stepCount, 1);
        EXPECT_EQ(inside(*window).game().board.positionEntry(), position);
        EXPECT_EQ(Combo1(*window)->currentIndex(), 1);
    };
    // A beginning that completion would finish, another layout's whole name,
    // and the current layout's own name.
    for (const QString typed : {"ab", "abcd", "横刀立马"}) {
        field->setFocus();
        field->selectAll();
        type(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        unchanged(typed);
    }
    // Typing a name and leaving the field for the board chooses nothing
    // either; the typed text stays.
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "abcd");
    pressPiece(*window, 1);
    unchanged("abcd, then a press on a piece");
    EXPECT_EQ(field->text(), "abcd");
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(Chooser, APickFromTheListSetsUpAndPickingTheSelectedEntryRestarts) {
    ship("横刀立马");
    copyShipped("水泄不通", "abcd");
    ASSERT_TRUE(start());
    stepSoldier9();
    pickFromList(1);  // the entry already selected
    EXPECT_EQ(inside(*window).game().currentMap, "横刀立马");
    EXPECT_EQ(inside(*window).game().stepCount, 0);
    EXPECT_EQ(QZ(*window, 9)->geometry(), QRect(30, 270, 60, 60));
    pickFromList(0);
    EXPECT_EQ(inside(*window).game().currentMap, "abcd");
    EXPECT_EQ(Combo1(*window)->currentText(), "abcd");
}

TEST_F(Chooser, ALayoutNamedInTheChineseCodePageLoadsKeepsItsRecordAndIsFoundAgain) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows names files in Unicode: no name is stored as code-page bytes";
#endif
    copyShipped("水泄不通", "abcd");
    // The commander one step above the exit, cells 18 and 19 free.
    dir.write(std::filesystem::path("map") / (kGbkName + ".qlp"),
              "1,0,10\r\n2,0,1\r\n3,1,3\r\n4,1,4\r\n5,1,5\r\n6,1,12\r\n"
              "7,0,6\r\n8,0,13\r\n9,0,17\r\n10,0,20\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(listed(), (QStringList{"abcd", "横刀"}));
    pickFromList(1);
    EXPECT_EQ(inside(*window).game().currentMap, kGbkName);
    EXPECT_EQ(Combo1(*window)->currentText(), "横刀");
    ASSERT_TRUE(QZ(*window, 1)->isVisible());  // loaded, not "初始化阵型出现错误！"
    EXPECT_EQ(Label(*window, 5)->text(), "无记录");

    boxes.answers = {"甲"};
    pressPiece(*window, 1);
    pressBoard(*window, 1800, 4500);  // down into the exit
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[0].text, "恭喜过关~");
    EXPECT_TRUE(isRegularFile(dir.path() / "log" / (kGbkName + ".log")));
    closeWindow();

    ASSERT_TRUE(start());
    EXPECT_EQ(inside(*window).game().currentMap, kGbkName);
    EXPECT_EQ(Combo1(*window)->currentText(), "横刀");
    EXPECT_EQ(Label(*window, 5)->text(), "1");
    EXPECT_EQ(Label(*window, 6)->text(), "甲");
    EXPECT_EQ(boxes.seen.size(), 2u);
}

// The tick of a layout with a record stands beside its name in the list;
// the text field keeps its whole width for the name.
TEST_F(Chooser, ATickedEntryShowsItsWholeNameInTheField) {
    copyShipped("横刀立马", "测试三步");  // listed after abcd
    copyShipped("水泄不通", "abcd");
    dir.write(pathFromUtf8("log/测试三步.log"), "\"玩家：甲\"\r\n\"x\"\r\n");
    ASSERT_TRUE(start());
    QComboBox* chooser = Combo1(*window);
    ASSERT_EQ(listed(), (QStringList{"abcd", "测试三步"}));
    pickFromList(0);
    const QRect unticked = chooser->lineEdit()->geometry();
    pickFromList(1);
    ASSERT_FALSE(chooser->itemIcon(1).isNull()) << "the layout has a record";
    QLineEdit* field = chooser->lineEdit();
    EXPECT_EQ(field->text(), "测试三步");
    EXPECT_EQ(field->geometry(), unticked);
    // The name fits: nothing of it is scrolled out of sight.
    const int needed = field->fontMetrics().horizontalAdvance(field->text());
    EXPECT_LE(needed, field->contentsRect().width() - 4) << "the field cuts the name";
}

}  // namespace
}  // namespace quellan
