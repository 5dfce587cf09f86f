// The help icons, the frame's notice and F1.
#include <QUrl>

#include "app/board_panel.h"
#include "common/version.h"
#include "frame/click_label.h"
#include "frame/image_control.h"
#include "frame_model/help_texts.h"
#include "platform/shell_open.h"
#include "tests/app/app_fixture.h"
#include "tests/app/window_parts.h"
#include "xpbutton/xpbutton.h"

namespace quellan {
namespace {

using namespace quellan::testing;

class HelpActions : public AppFixture {
  protected:
    HelpActions() {
        setShellOpenHandler([this](const QString& a) { opened << a; });
        ship("横刀立马");
    }
    ~HelpActions() override {
        setShellOpenHandler([](const QString&) {});
    }
    QStringList opened;
};

TEST_F(HelpActions, TheIconsStandInTheLowerRightOfThePanel) {
    ASSERT_TRUE(start());
    // In a row, left to right, apart, inside the panel below the sound options.
    for (int n = 9; n <= 10; ++n) {
        SCOPED_TRACE(n);
        EXPECT_GT(Image(*window, n)->x(), Image(*window, n - 1)->geometry().right());
        EXPECT_EQ(Image(*window, n)->geometry().center().y(),
                  Image(*window, 8)->geometry().center().y());
    }
    EXPECT_TRUE(QRect(0, 0, 456, 360).contains(Image(*window, 10)->geometry()));
    EXPECT_GT(Image(*window, 8)->y(), Check1(*window)->geometry().bottom());
    for (int n = 8; n <= 10; ++n) {
        EXPECT_EQ(Image(*window, n)->parentWidget(), static_cast<QWidget*>(Picture1(*window)));
        EXPECT_FALSE(Image(*window, n)->picture().isNull()) << n;
        EXPECT_EQ(Image(*window, n)->cursor().shape(), Qt::BitmapCursor) << n;
    }
}

TEST_F(HelpActions, TheDescriptionAndTheAboutBox) {
    ASSERT_TRUE(start());
    QTest::mouseClick(Image(*window, 8), Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(Image(*window, 9), Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(Image(*window, 9), Qt::RightButton, {}, QPoint(8, 8));
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[0].caption, "游戏说明");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Question);
    EXPECT_EQ(boxes.seen[0].text, QString::fromUtf8(frame::kDescription.data()));
    EXPECT_EQ(boxes.seen[1].caption, "关于本程序...");
    EXPECT_EQ(boxes.seen[1].icon, QMessageBox::Information);
    const QStringList lines = boxes.seen[1].text.split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "本程序《Quellan》是一款著名的智力游戏。");
    EXPECT_EQ(lines[2], QStringLiteral("（当前程序版本为%1.%2.%3）")
                            .arg(version::kMajor)
                            .arg(version::kMinor)
                            .arg(version::kPatch));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(HelpActions, TheWebIconAndTheNoticeOpenTheMakersPages) {
    ASSERT_TRUE(start());
    QTest::mouseClick(Image(*window, 10), Qt::LeftButton, {}, QPoint(15, 15));
    QTest::mouseClick(LbBR(*window), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(opened, (QStringList{"https://www.quellan.example/download.html",
                                   "https://www.quellan.example/"}));
    EXPECT_EQ(LbBR(*window)->toolTip(), "查看版权所有者信息");
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(HelpActions, F1OpensTheRegisteredHelp) {
    dir.write("help/index.html", "<html></html>");
    ASSERT_TRUE(start());
    EXPECT_EQ(inside(*window).helpFile().helpFile(), appPath() + "/help.chm");
    QTest::keyClick(QZ(*window, 1), Qt::Key_F1);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(QUrl(opened[0]).isLocalFile());
    EXPECT_TRUE(QUrl(opened[0]).toLocalFile().startsWith(appPath() + "/help"))
        << opened[0].toStdString();
}

}  // namespace
}  // namespace quellan
