// The main window: start-up, settings, catalogue, selection and input.
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>

#include "app/board_panel.h"
#include "common/text_codec.h"
#include "common/texts.h"
#include "common/version.h"
#include "frame/click_label.h"
#include "media/game_audio.h"
#include "media/music_check_box.h"
#include "platform/qt_text.h"
#include "platform/shell_open.h"
#include "tests/app/app_fixture.h"
#include "tests/app/game_driver.h"
#include "tests/app/window_parts.h"

namespace quellan {
namespace {

using namespace quellan::testing;

class MainWindow : public AppFixture {
  protected:
    void storeSetting(const QString& key, const QString& value) {
        QSettings("Quellan", "Quellan").setValue("SetLog/" + key, value);
    }
    QString storedSetting(const QString& key) {
        return QSettings("Quellan", "Quellan").value("SetLog/" + key).toString();
    }
    QStringList catalogue() {
        QStringList names;
        for (int i = 0; i < Combo1(*window)->count(); ++i) names << Combo1(*window)->itemText(i);
        return names;
    }
    void choose(const QString& name) {
        int i = Combo1(*window)->findText(name);
        ASSERT_GE(i, 0);
        Combo1(*window)->setCurrentIndex(i);
        emit Combo1(*window)->activated(i);
    }
};

TEST_F(MainWindow, FirstStartCentresTheWindowAndSetsTheDefaultLayoutUp) {
    ship("水泄不通");
    ship("横刀立马");
    ASSERT_TRUE(start());
    EXPECT_EQ(window->windowTitle(), "Quellan " + toQString(version::kText));
    EXPECT_EQ(window->size(), QSize(464, 411));
    EXPECT_EQ(Picture1(*window)->geometry(), QRect(4, 27, 456, 360));
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(inside(*window).FormX(), (screen.width() * 15 - 6960) / 2);
    EXPECT_EQ(inside(*window).FormY(), (screen.height() * 15 - 6165) / 2);
    EXPECT_EQ(catalogue(), (QStringList{"横刀立马", "水泄不通"}));
    EXPECT_EQ(Combo1(*window)->currentText(), "横刀立马");
    EXPECT_EQ(inside(*window).game().board.positionEntry(),
              "90,30,90,150,30,30,210,30,30,150,210,150,90,210,150,210,30,270,210,270");
    EXPECT_EQ(Check1(*window)->value(), 1);
    EXPECT_TRUE(Check2(*window)->isChecked());
    // The first track is due (or, on a slow machine, already playing).
    EXPECT_NE(inside(*window).audio()->cycle().state(), MusicState::Off);
    EXPECT_EQ(Label(*window, 5)->text(), "无记录");
    EXPECT_EQ(Label(*window, 6)->text(), "无记录");
    EXPECT_EQ(Label(*window, 7)->text(), "0");
    EXPECT_EQ(QZ(*window, 1)->geometry(), QRect(90, 30, 120, 120));
    EXPECT_EQ(QZ(*window, 2)->geometry(), QRect(90, 150, 120, 60));
    EXPECT_EQ(QZ(*window, 7)->toolTip(), "兵1");
    EXPECT_EQ(Check1(*window)->toolTip(), "背景音乐开关");
    EXPECT_EQ(Check2(*window)->toolTip(), "游戏音效开关");
    EXPECT_EQ(LbBR(*window)->toolTip(), "查看版权所有者信息");
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(inside(*window).game().selectedQZ, 0);  // no piece is selected by the start itself
}

// What the panel's placements must achieve: the controls stand on the
// parchment right of the tray, inside the panel, one below the other without
// overlapping, and each value label on the row of its caption, right of it.
TEST_F(MainWindow, TheControlsStandWhereTheGamePanelPutsThem) {
    ship("横刀立马");
    ASSERT_TRUE(start());
    const QRect parchment(283, 0, 456 - 283, 360);
    const std::vector<QWidget*> column = {Combo1(*window), XPButton1(*window), Check2(*window),
                                          Check1(*window), Image(*window, 8)};
    for (size_t i = 0; i < column.size(); ++i) {
        SCOPED_TRACE(column[i]->objectName().toStdString());
        EXPECT_TRUE(parchment.contains(column[i]->geometry()));
        if (i > 0) {
            EXPECT_GE(column[i]->y(), column[i - 1]->geometry().bottom());
        }
    }
    for (int n = 1; n <= 7; ++n) {
        SCOPED_TRACE(n);
        EXPECT_TRUE(parchment.contains(Label(*window, n)->geometry()));
    }
    EXPECT_EQ(Label(*window, 5)->y(), Label(*window, 2)->y());
    EXPECT_GE(Label(*window, 5)->x(), Label(*window, 2)->geometry().right());
    EXPECT_EQ(Label(*window, 7)->y(), Label(*window, 4)->y());
    EXPECT_GE(Label(*window, 7)->x(), Label(*window, 4)->x() + twipsToPixels(1080));
    EXPECT_EQ(XPButton1(*window)->Caption(), "撤消一步");
    EXPECT_EQ(Label(*window, 1)->text(), "当前阵型：");
    EXPECT_EQ(Label(*window, 2)->text(), "最佳步数记录：");
    EXPECT_EQ(Label(*window, 3)->text(), "记录创造者：");
    EXPECT_EQ(Label(*window, 4)->text(), "当前的步数：");
    EXPECT_EQ(Label(*window, 5)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(Label(*window, 7)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST_F(MainWindow, SettingsSurviveARestart) {
    ship("横刀立马");
    ship("水泄不通");
    ASSERT_TRUE(start());
    choose("水泄不通");
    Check2(*window)->setChecked(false);
    Check1(*window)->setValue(0);
    window->move(33, 44);
    const QPoint closedAt = window->pos();
    closeWindow();
    EXPECT_EQ(storedSetting("MapFileName"), "水泄不通");
    EXPECT_EQ(storedSetting("Check1"), "0");
    EXPECT_EQ(storedSetting("Check2"), "0");
    EXPECT_EQ(storedSetting("frmMainX"), QString::number(closedAt.x() * 15));

    ASSERT_TRUE(start());
    EXPECT_EQ(Combo1(*window)->currentText(), "水泄不通");
    EXPECT_EQ(Check1(*window)->value(), 0);
    EXPECT_FALSE(Check2(*window)->isChecked());
    EXPECT_FALSE(inside(*window).audio()->isTimer1Enabled());
    EXPECT_EQ(inside(*window).FormX(), closedAt.x() * 15);
    EXPECT_EQ(inside(*window).FormY(), closedAt.y() * 15);
}

TEST_F(MainWindow, MusicSuspendedAtClosingComesBackWithTheFirstLayout) {
    ship("横刀立马");
    storeSetting("Check1", "2");
    ASSERT_TRUE(start());
    EXPECT_EQ(Check1(*window)->value(), 1);
}

TEST_F(MainWindow, GarbageSettingsStartWithSafeValues) {
    ship("横刀立马");
    ship("水泄不通");
    storeSetting("frmMainX", "left");
    storeSetting("frmMainY", "");
    storeSetting("Check1", "7");
    storeSetting("Check2", "yes");
    storeSetting("MapFileName", "横刀立马 ");  // not a layout in the catalogue
    ASSERT_TRUE(start());
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(inside(*window).FormX(), (screen.width() * 15 - 6960) / 2);
    EXPECT_EQ(inside(*window).FormY(), (screen.height() * 15 - 6165) / 2);
    EXPECT_EQ(Check1(*window)->value(), 0);  // not a value the box accepts: off
    EXPECT_FALSE(Check2(*window)->isChecked());
    EXPECT_EQ(Combo1(*window)->currentText(), "横刀立马");  // entry 0
    EXPECT_EQ(inside(*window).game().currentMap, "横刀立马");
}

TEST_F(MainWindow, ARememberedNameMustMatchExactly) {
    dir.write("map/Beta.qlp", readAll(std::filesystem::path(QUELLAN_ASSETS_DIR) / "map" /
                                      pathFromUtf8("横刀立马.qlp")));
    dir.write("map/alpha.qlp", readAll(std::filesystem::path(QUELLAN_ASSETS_DIR) / "map" /
                                       pathFromUtf8("水泄不通.qlp")));
    dir.write("map/notes.QLP", "1,0,2");
    dir.write("map/.hidden.qlp", "1,0,2");
    std::filesystem::create_directories(dir.path() / "map" / "folder.qlp");
    storeSetting("MapFileName", "beta");
    ASSERT_TRUE(start());
    EXPECT_EQ(catalogue(), (QStringList{"Beta", "alpha"}));
    EXPECT_EQ(Combo1(*window)->currentText(), "Beta");  // entry 0, not a case-blind match
}

TEST_F(MainWindow, WithoutLayoutsThePlayerIsToldAndTheGameEnds) {
    QString opened;
    setShellOpenHandler([&opened](const QString& a) { opened = a; });
    storeSetting("MapFileName", "kept");
    EXPECT_FALSE(start());
    setShellOpenHandler([](const QString&) {});
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "没有找到阵型文件！请重新下载安装本程序。");
    EXPECT_EQ(boxes.seen[0].caption, "Quellan - 文件错误");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(opened.startsWith("https://"));
    EXPECT_FALSE(window->isVisible());
    window.reset();  // no settings are saved
    EXPECT_EQ(storedSetting("MapFileName"), "kept");
    EXPECT_EQ(storedSetting("frmMainX"), "");
}

TEST_F(MainWindow, AFaultyLayoutShowsTheMessageAndAnEmptyBoardAndTheGameGoesOn) {
    ship("横刀立马");
    dir.write(pathFromUtf8("map/坏.qlp"), "1,0,2\r\n2,zwei,10\r\n");
    ASSERT_TRUE(start());
    choose("坏");
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "初始化阵型出现错误！");
    EXPECT_EQ(boxes.seen[0].caption, "Quellan");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Critical);
    for (int i = 1; i <= 10; ++i) EXPECT_FALSE(QZ(*window, i)->isVisible()) << i;
    EXPECT_EQ(Combo1(*window)->currentText(), "坏");
    choose("横刀立马");
    for (int i = 1; i <= 10; ++i) EXPECT_TRUE(QZ(*window, i)->isVisible()) << i;
    EXPECT_EQ(boxes.seen.size(), 1u);
}

TEST_F(MainWindow, APressSelectsAPieceAndAPressBesideItMovesIt) {
    ship("横刀立马");
    ASSERT_TRUE(start());
    pressPiece(*window, 9);  // soldier at cell 17
    EXPECT_EQ(inside(*window).game().selectedQZ, 9);
    pressBoard(*window, 1800, 4500);  // cell 18
    EXPECT_EQ(inside(*window).game().stepCount, 1);
    EXPECT_EQ(QZ(*window, 9)->geometry(), QRect(90, 270, 60, 60));
    EXPECT_EQ(inside(*window).game().selectedQZ, 0);
    // The piece just moved can be selected again by pressing it.
    pressPiece(*window, 9);
    EXPECT_EQ(inside(*window).game().selectedQZ, 9);
    pressBoard(*window, 900, 4500);
    EXPECT_EQ(inside(*window).game().stepCount, 2);
}

TEST_F(MainWindow, OnlyTheLeftButtonMovesAndKeysNeverDo) {
    ship("横刀立马");
    ASSERT_TRUE(start());
    pressPiece(*window, 9);
    pressBoard(*window, 1800, 4500, Qt::RightButton);
    pressBoard(*window, 1800, 4500, Qt::MiddleButton);
    EXPECT_EQ(inside(*window).game().stepCount, 0);
    EXPECT_EQ(inside(*window).game().selectedQZ, 9);  // the selection stands
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Space, Qt::Key_Return})
        QTest::keyClick(QZ(*window, 9), key);
    EXPECT_EQ(inside(*window).game().stepCount, 0);
}

TEST_F(MainWindow, TheBoardShowsTheHandCursorAndTheMarginTheArrow) {
    ship("横刀立马");
    ASSERT_TRUE(start());
    QTest::mouseMove(Picture1(*window), QPoint(100, 100));
    window->Picture1_MouseMove(0, 0, 1500, 1500);
    EXPECT_EQ(Picture1(*window)->cursor().shape(), Qt::BitmapCursor);
    window->Picture1_MouseMove(0, 0, 4051, 1500);
    EXPECT_EQ(Picture1(*window)->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWindow, UndoWalksBackAndRefusesAtTheStart) {
    ship("横刀立马");
    ASSERT_TRUE(start());
    const std::string start = inside(*window).game().board.positionEntry();
    pressPiece(*window, 9);
    pressBoard(*window, 1800, 4500);
    QTest::mouseClick(XPButton1(*window), Qt::LeftButton);
    EXPECT_EQ(inside(*window).game().board.positionEntry(), start);
    EXPECT_EQ(QZ(*window, 9)->geometry(), QRect(30, 270, 60, 60));
    EXPECT_EQ(Label(*window, 7)->text(), "0");
    EXPECT_TRUE(boxes.seen.empty());
    QTest::mouseClick(XPButton1(*window), Qt::LeftButton);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "初始阵型，无法撤消！");
    EXPECT_EQ(boxes.seen[0].caption, "Quellan");
}

TEST_F(MainWindow, AnUnwritableLogFolderLosesNoEarlierRecordAndSaysSo) {
    ship("横刀立马");
    std::filesystem::create_directories(dir.path() / "log");
    std::string old = "\"玩家：Old\"\r\n";
    for (int i = 0; i <= 200; ++i) old += "\"x\"\r\n";  // a 200-step record
    auto recordPath = dir.write(pathFromUtf8("log/横刀立马.log"), utf8ToGb18030(old));
    ASSERT_TRUE(start());
    EXPECT_EQ(Label(*window, 5)->text(), "200");
    // Make the record unwritable: a folder where the new file would go, and
    // the folder read-only (which stops everyone but the superuser).
    auto newRecord = recordPath;
    newRecord += ".new";
    std::filesystem::create_directories(newRecord / "blocked");
    std::filesystem::permissions(dir.path() / "log", std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
    boxes.answers = {"New"};
    auto solution = solve(inside(*window).game().board);
    ASSERT_TRUE(solution);
    for (const auto& s : solution->path) playStep(*window, s);
    EXPECT_EQ(Label(*window, 6)->text(), "New");
    ASSERT_FALSE(boxes.seen.empty());
    EXPECT_EQ(boxes.seen.back().text, toQString(texts::kRecordSaveFailed));
    std::filesystem::permissions(dir.path() / "log", std::filesystem::perms::owner_all);
    EXPECT_EQ(readAll(recordPath), utf8ToGb18030(old));
}

}  // namespace
}  // namespace quellan
